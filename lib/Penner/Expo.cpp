#include "Penner/Arithmetic.h"
#include "Penner/EaseOutInBody.h"
#include "Penner/Families.h"

namespace Penner {

using namespace Arithmetic;

// Powers of two that are not quite 0 and 1 at the ends, so the ends are tested exactly first;
// next to them the curves jump by 1/1024 of the change.

float Expo::easeIn(const float t, const float b, const float c, const float d) {
    if (t == 0.0f) {
        return b;
    }
    return toFloat(c * pow2(10 * (static_cast<double>(t) / d - 1)) + b);
}

float Expo::easeOut(const float t, const float b, const float c, const float d) {
    if (t == d) {
        return toFloat(static_cast<double>(b) + c);
    }
    return toFloat(c * (1 - pow2((-10.0 * t) / d)) + b);
}

float Expo::easeInOut(const float t, const float b, const float c, const float d) {
    if (t == 0.0f) {
        return b;
    }
    if (t == d) {
        return toFloat(static_cast<double>(b) + c);
    }
    const double h = halfFraction(t, d);
    if (h < 1) {
        return toFloat((c * 0.5) * pow2(10 * (h - 1)) + b);
    }
    return toFloat((c * 0.5) * (2 - pow2(-10 * (h - 1))) + b);
}

template class EaseOutIn<Expo>;

} // namespace Penner
