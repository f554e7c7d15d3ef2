#include "Penner/Arithmetic.h"
#include "Penner/EaseOutInBody.h"
#include "Penner/Families.h"

namespace Penner {

using namespace Arithmetic;

namespace {

// Four parabolas of the same width: a fall, then three ever smaller bounces. The break points
// and the bounces' middles are float values, except the third break point, a double.
double bounce(const double u) {
    constexpr double SCALE = 7.5625;
    if (u < static_cast<double>(1.0f / 2.75f)) {
        return SCALE * u * u;
    }
    if (u < static_cast<double>(2.0f / 2.75f)) {
        const double w = u - static_cast<double>(1.5f / 2.75f);
        return SCALE * w * w + 0.75;
    }
    if (u < 2.5 / 2.75) {
        const double w = u - static_cast<double>(2.25f / 2.75f);
        return SCALE * w * w + 0.9375;
    }
    const double w = u - static_cast<double>(2.625f / 2.75f);
    return SCALE * w * w + 0.984375;
}

} // namespace

float Bounce::easeOut(const float t, const float b, const float c, const float d) {
    return toFloat(c * bounce(static_cast<double>(t) / d) + b);
}

// The ease-out run backwards in time and mirrored.
float Bounce::easeIn(const float t, const float b, const float c, const float d) {
    const float mirrored = easeOut(toFloat(static_cast<double>(d) - t), 0.0f, c, d);
    return toFloat(static_cast<double>(c) - mirrored + b);
}

float Bounce::easeInOut(const float t, const float b, const float c, const float d) {
    if (t < d * 0.5) {
        return toFloat(easeIn(toFloat(2.0 * t), 0.0f, c, d) * 0.5 + b);
    }
    return toFloat(easeOut(toFloat(2.0 * t - d), 0.0f, c, d) * 0.5 + c * 0.5 + b);
}

template class EaseOutIn<Bounce>;

} // namespace Penner
