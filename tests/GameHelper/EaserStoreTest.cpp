#include "GameHelper/EaserStore.h"
#include "Penner/Easers.h"

#include <gtest/gtest.h>

#include <set>

using GameHelper::EaserStore;

TEST(EaserStoreTest, NamesAreTheEasersOwnExactlyAndOutInHasNone) {
    EXPECT_EQ(EaserStore::get("inOutBack"), &Penner::inOutBack);
    EXPECT_EQ(EaserStore::get("outBack"), &Penner::outBack);
    EXPECT_EQ(EaserStore::get("inOutSine"), &Penner::inOutSine);
    std::set<const Tween::Easer*> found;
    for (const char* const family : {"Back", "Bounce", "Circ", "Cubic", "Elastic", "Expo", "Linear",
                                     "Quad", "Quart", "Quint", "Sine"}) {
        for (const char* const curve : {"in", "out", "inOut"}) {
            found.insert(EaserStore::get(curve + std::string(family)));
        }
    }
    EXPECT_EQ(found.size(), 33u);
    EXPECT_EQ(found.count(nullptr), 0u);
    for (const char* const name : {"outInBack", "", "InBack", "inBack ", " inBack", "inback"}) {
        EXPECT_EQ(EaserStore::get(name), nullptr) << '"' << name << '"';
    }
}
