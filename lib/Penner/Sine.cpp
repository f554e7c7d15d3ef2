#include "Penner/Arithmetic.h"
#include "Penner/EaseOutInBody.h"
#include "Penner/Families.h"

namespace Penner {

using namespace Arithmetic;

namespace {

constexpr double PI = 3.141592653589793;
constexpr double HALF_PI = 1.5707963267948966;

} // namespace

float Sine::easeIn(const float t, const float b, const float c, const float d) {
    const double u = static_cast<double>(t) / d;
    return toFloat(c - c * cosOf(u * HALF_PI) + b);
}

float Sine::easeOut(const float t, const float b, const float c, const float d) {
    const double u = static_cast<double>(t) / d;
    return toFloat(c * sinOf(u * HALF_PI) + b);
}

float Sine::easeInOut(const float t, const float b, const float c, const float d) {
    return toFloat(-(c * 0.5) * (cosOf((PI * t) / d) - 1) + b);
}

template class EaseOutIn<Sine>;

} // namespace Penner
