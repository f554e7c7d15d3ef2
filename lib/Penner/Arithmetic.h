#pragma once

#include <cmath>

// The arithmetic every curve shares. Curves compute in double on their float arguments and
// round once at the end; constants hold float values unless they say otherwise. Sine and
// cosine are the float functions on an angle rounded to float, as the curves were tuned with.
namespace Penner::Arithmetic {

inline float toFloat(const double value) {
    return static_cast<float>(value);
}

inline double sinOf(const double angle) {
    return std::sin(toFloat(angle));
}

inline double cosOf(const double angle) {
    return std::cos(toFloat(angle));
}

// exp2 rather than pow(2, x): it costs a third as much, and every Expo and Elastic curve gives
// the same floats with either (checked on every float time of a unit duration and on samples
// of other durations, starts and changes, with glibc 2.36), though the two doubles can differ
// in their last bit.
inline double pow2(const double exponent) {
    return std::exp2(exponent);
}

// t / (d / 2): the time as a fraction of half the duration, for the in-out curves.
inline double halfFraction(const float t, const float d) {
    return t / (d * 0.5);
}

} // namespace Penner::Arithmetic
