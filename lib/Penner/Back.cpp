#include "Penner/Arithmetic.h"
#include "Penner/EaseOutInBody.h"
#include "Penner/Families.h"

namespace Penner {

using namespace Arithmetic;

namespace {

// How far the curve swings past its ends: 1.70158 gives a 10 % overshoot.
constexpr double OVERSHOOT = static_cast<double>(1.70158f);
// The in-out curve swings as far in each half: the overshoot scaled by 1.525, kept in float.
constexpr double HALF_OVERSHOOT = static_cast<double>(static_cast<float>(OVERSHOOT * 1.525f));

} // namespace

float Back::easeIn(const float t, const float b, const float c, const float d) {
    const double u = static_cast<double>(t) / d;
    return toFloat(c * u * u * ((OVERSHOOT + 1) * u - OVERSHOOT) + b);
}

float Back::easeOut(const float t, const float b, const float c, const float d) {
    const double v = static_cast<double>(t) / d - 1;
    return toFloat(c * (v * v * ((OVERSHOOT + 1) * v + OVERSHOOT) + 1) + b);
}

float Back::easeInOut(const float t, const float b, const float c, const float d) {
    const double h = halfFraction(t, d);
    if (h < 1) {
        return toFloat((c * 0.5) * (h * h * ((HALF_OVERSHOOT + 1) * h - HALF_OVERSHOOT)) + b);
    }
    const double w = h - 2;
    return toFloat((c * 0.5) * (w * w * ((HALF_OVERSHOOT + 1) * w + HALF_OVERSHOOT) + 2) + b);
}

template class EaseOutIn<Back>;

} // namespace Penner
