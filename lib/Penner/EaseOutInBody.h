#pragma once

#include "Penner/Adapters.h"
#include "Penner/Arithmetic.h"

// The out-then-in easer's body, included by the source of each family so that the family's
// two curves are compiled into it; each source then instantiates EaseOutIn for its family.
namespace Penner {

template <typename F>
float EaseOutIn<F>::operator()(const float t, const float b, const float c, const float d) const {
    using Arithmetic::toFloat;
    const double u = static_cast<double>(t) / d;
    if (u < 0.5) {
        return toFloat(F::easeOut(toFloat(2 * u), 0.0f, 1.0f, 1.0f) * 0.5 * c + b);
    }
    return toFloat((F::easeIn(toFloat(2 * u - 1), 0.0f, 1.0f, 1.0f) * 0.5 + 0.5) * c + b);
}

} // namespace Penner
