#include "Penner/Arithmetic.h"
#include "Penner/EaseOutInBody.h"
#include "Penner/Families.h"

#include <cmath>

namespace Penner {

using namespace Arithmetic;

// Quarter circles. Far enough outside [0, d] the root's argument turns negative: NaN.

float Circ::easeIn(const float t, const float b, const float c, const float d) {
    const double u = static_cast<double>(t) / d;
    return toFloat(-c * (std::sqrt(1 - u * u) - 1) + b);
}

float Circ::easeOut(const float t, const float b, const float c, const float d) {
    const double v = static_cast<double>(t) / d - 1;
    return toFloat(c * std::sqrt(1 - v * v) + b);
}

float Circ::easeInOut(const float t, const float b, const float c, const float d) {
    const double h = halfFraction(t, d);
    if (h < 1) {
        return toFloat(-(c * 0.5) * (std::sqrt(1 - h * h) - 1) + b);
    }
    const double w = h - 2;
    return toFloat((c * 0.5) * (std::sqrt(1 - w * w) + 1) + b);
}

template class EaseOutIn<Circ>;

} // namespace Penner
