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

// The double pow of base 2, not exp2: the two can differ in the last bit of the double, and
// some times then give another float (glibc 2.36: Expo::easeIn(0x1.cb0f1ap-1, 0, 1,
// 0x1.17a7cep+0) is 0x1.279db2p-2 with pow, 0x1.279db4p-2 with exp2).
inline double pow2(const double exponent) {
    return std::pow(2.0, exponent);
}

// t / (d / 2): the time as a fraction of half the duration, for the in-out curves.
inline double halfFraction(const float t, const float d) {
    return t / (d * 0.5);
}

} // namespace Penner::Arithmetic
