#include "GameHelper/Easing/EaserStore.h"

#include "Penner/Easers.h"

#include <iterator>

namespace GameHelper {

namespace {

struct NamedEaser {
    const char* name;
    const Tween::Easer* easer;
};

#define GAMEHELPER_NAMED_EASERS(Family)                                                            \
    {"in" #Family, &Penner::in##Family}, {"out" #Family, &Penner::out##Family},                    \
        {"inOut" #Family, &Penner::inOut##Family},

constexpr NamedEaser NAMED_EASERS[] = {PENNER_FAMILIES(GAMEHELPER_NAMED_EASERS)};

#undef GAMEHELPER_NAMED_EASERS

} // namespace

const Tween::Easer* EaserStore::get(const std::string& name) {
    for (const NamedEaser& named : NAMED_EASERS) {
        if (name == named.name) {
            return named.easer;
        }
    }
    return nullptr;
}

} // namespace GameHelper
