#pragma once

#include "Penner/Adapters.h"
#include "Penner/Families.h"

// The 44 easer objects: for every family F, inF, outF, inOutF and outInF (inBack, outBack,
// inOutBack, outInBack, ... outInSine). They are constants without state, built before any
// code runs, so any number of tweeners may share one and no initialisation order reaches
// one before it exists.
#define PENNER_DEFINE_EASERS(Family)                                                               \
    inline constexpr EaseIn<Family> in##Family{};                                                  \
    inline constexpr EaseOut<Family> out##Family{};                                                \
    inline constexpr EaseInOut<Family> inOut##Family{};                                            \
    inline constexpr EaseOutIn<Family> outIn##Family{};

namespace Penner {

PENNER_FAMILIES(PENNER_DEFINE_EASERS)

} // namespace Penner

#undef PENNER_DEFINE_EASERS
