#pragma once

#include "Tween/Easer.h"

// The easer objects over a family F of Penner/Families.h: one adapter per curve.
namespace Penner {

// F's curve on the unit interval: start 0, change 1, duration 1.
using UnitCurve = float (*)(float t, float b, float c, float d);

// The first half of the time covers the first half of the change with out, the second half
// the rest with in.
float easeOutThenIn(UnitCurve out, UnitCurve in, float t, float b, float c, float d);

template <typename F>
class EaseIn : public Tween::Easer {
public:
    float operator()(float t, float b, float c, float d) const override {
        return F::easeIn(t, b, c, d);
    }
};

template <typename F>
class EaseOut : public Tween::Easer {
public:
    float operator()(float t, float b, float c, float d) const override {
        return F::easeOut(t, b, c, d);
    }
};

template <typename F>
class EaseInOut : public Tween::Easer {
public:
    float operator()(float t, float b, float c, float d) const override {
        return F::easeInOut(t, b, c, d);
    }
};

template <typename F>
class EaseOutIn : public Tween::Easer {
public:
    float operator()(float t, float b, float c, float d) const override {
        return easeOutThenIn(&F::easeOut, &F::easeIn, t, b, c, d);
    }
};

} // namespace Penner
