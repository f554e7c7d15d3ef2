#include "Penner/Arithmetic.h"
#include "Penner/EaseOutInBody.h"
#include "Penner/Families.h"

namespace Penner {

using namespace Arithmetic;

namespace {

constexpr double TWO_PI = 6.283185307179586;

// A sine wave of period p under an exponential envelope; its amplitude is the change itself.
// The period and its quarter, the shift, are float values.
struct Wave {
    explicit Wave(const float d, const float periodFactor)
        : period(toFloat(static_cast<double>(d) * periodFactor)),
          shift(toFloat(static_cast<double>(period) * 0.25)) {}

    // The wave's sine at time fraction v of the duration d.
    double sine(const double v, const float d) const {
        return sinOf((v * d - shift) * TWO_PI / period);
    }

    float period;
    float shift;
};

// 0.3 × 1.5 taken in float: one unit in the last place above the float 0.45.
constexpr float IN_OUT_PERIOD = 0.3f * 1.5f;

} // namespace

// The ends are tested exactly before the curve, so it lands on b and b + c.

float Elastic::easeIn(const float t, const float b, const float c, const float d) {
    if (t == 0.0f) {
        return b;
    }
    const double u = static_cast<double>(t) / d;
    if (u == 1) {
        return toFloat(static_cast<double>(b) + c);
    }
    const double v = u - 1;
    const double amplitude = toFloat(c * pow2(10 * v));
    return toFloat(b - amplitude * Wave(d, 0.3f).sine(v, d));
}

float Elastic::easeOut(const float t, const float b, const float c, const float d) {
    if (t == 0.0f) {
        return b;
    }
    const double u = static_cast<double>(t) / d;
    if (u == 1) {
        return toFloat(static_cast<double>(b) + c);
    }
    return toFloat(c * pow2(-10 * u) * Wave(d, 0.3f).sine(u, d) + c + b);
}

float Elastic::easeInOut(const float t, const float b, const float c, const float d) {
    if (t == 0.0f) {
        return b;
    }
    const double h = halfFraction(t, d);
    if (h == 2) {
        return toFloat(static_cast<double>(b) + c);
    }
    const double v = h - 1;
    const Wave wave(d, IN_OUT_PERIOD);
    if (h < 1) {
        const double amplitude = toFloat(c * pow2(10 * v));
        return toFloat(b - 0.5 * (amplitude * wave.sine(v, d)));
    }
    const double amplitude = toFloat(c * pow2(-10 * v));
    return toFloat(amplitude * wave.sine(v, d) * 0.5 + c + b);
}

template class EaseOutIn<Elastic>;

} // namespace Penner
