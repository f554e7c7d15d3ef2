#include "Penner/Arithmetic.h"
#include "Penner/EaseOutInBody.h"
#include "Penner/Families.h"

namespace Penner {

using namespace Arithmetic;

// One straight line serves as all three curves.

float Linear::easeIn(const float t, const float b, const float c, const float d) {
    return toFloat(static_cast<double>(c) * t / d + b);
}

float Linear::easeOut(const float t, const float b, const float c, const float d) {
    return easeIn(t, b, c, d);
}

float Linear::easeInOut(const float t, const float b, const float c, const float d) {
    return easeIn(t, b, c, d);
}

template class EaseOutIn<Linear>;

} // namespace Penner
