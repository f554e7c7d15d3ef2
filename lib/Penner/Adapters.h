#pragma once

#include "Penner/Families.h"
#include "Tween/Easer.h"

// The easer objects over a family F of Penner/Families.h: one adapter per curve.
namespace Penner {

// One of F's curves as an easer object.
template <float (*curve)(float t, float b, float c, float d)>
class EaseWith : public Tween::Easer {
public:
    float operator()(float t, float b, float c, float d) const override {
        return curve(t, b, c, d);
    }
};

template <typename F>
using EaseIn = EaseWith<&F::easeIn>;
template <typename F>
using EaseOut = EaseWith<&F::easeOut>;
template <typename F>
using EaseInOut = EaseWith<&F::easeInOut>;

// The first half of the time covers the first half of the change with F's ease-out, the
// second half the rest with its ease-in. The body is compiled beside each family's curves
// (Penner/EaseOutInBody.h), which it calls on the unit interval.
template <typename F>
class EaseOutIn : public Tween::Easer {
public:
    float operator()(float t, float b, float c, float d) const override;
};

#define PENNER_DECLARE_OUT_IN(Family) extern template class EaseOutIn<Family>;
PENNER_FAMILIES(PENNER_DECLARE_OUT_IN)
#undef PENNER_DECLARE_OUT_IN

} // namespace Penner
