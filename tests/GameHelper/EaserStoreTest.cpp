#include "GameHelper/EaserStore.h"
#include "Penner/Easers.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using GameHelper::EaserStore;

TEST(EaserStoreTest, EachNameGivesTheEaserOfThatName) {
    EXPECT_EQ(EaserStore::get("inOutBack"), &Penner::inOutBack);
    EXPECT_EQ(EaserStore::get("outBack"), &Penner::outBack);
    EXPECT_EQ(EaserStore::get("inBounce"), &Penner::inBounce);
    EXPECT_EQ(EaserStore::get("outElastic"), &Penner::outElastic);
    EXPECT_EQ(EaserStore::get("inOutQuint"), &Penner::inOutQuint);
    EXPECT_EQ(EaserStore::get("inOutSine"), &Penner::inOutSine);
    std::set<const Tween::Easer*> found;
    for (const char* const family : {"Back", "Bounce", "Circ", "Cubic", "Elastic", "Expo", "Linear",
                                     "Quad", "Quart", "Quint", "Sine"}) {
        for (const char* const curve : {"in", "out", "inOut"}) {
            found.insert(EaserStore::get(std::string(curve) + family));
        }
    }
    EXPECT_EQ(found.size(), 33u);
    EXPECT_EQ(found.count(nullptr), 0u);
}

TEST(EaserStoreTest, OtherNamesGiveNull) {
    for (const char* const name : {"outInBack", "", "InBack", "inBack ", " inBack", "inback"}) {
        EXPECT_EQ(EaserStore::get(name), nullptr) << '"' << name << '"';
    }
}

} // namespace
