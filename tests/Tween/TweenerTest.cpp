#include "Tween/Tweener.h"
#include "Penner/Easers.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace {

TEST(TweenerTest, ElapsedTimeStaysWithinTheDurationAndFinishesExactlyAtIt) {
    Tween::Tweener tween(&Penner::outQuad, 0.0f, 1.0f, 1000.0f);
    // Time fed, value after it, finished after it; the duration stays what it was given.
    const float steps[][3] = {{250.0f, 0.4375f, 0},
                              {1000.0f, 1.0f, 1},
                              {-300.0f, 0.91f, 0},
                              {-5000.0f, 0.0f, 0},
                              {std::numeric_limits<float>::quiet_NaN(), 1.0f, 1}};
    for (const auto& [dt, value, finished] : steps) {
        tween.onUpdate(dt);
        EXPECT_FLOAT_EQ(tween.getValue(), value) << dt;
        EXPECT_EQ(tween.isFinished(), finished == 1) << dt;
        EXPECT_EQ(tween.getDuration(), 1000.0f) << dt;
    }
    tween.reset();
    EXPECT_EQ(std::make_pair(tween.getValue(), tween.isFinished()), std::make_pair(0.0f, false));
}

// A duration of 0 or below ends at once at start + change; without an easer the value stays
// at the start while the time runs as usual.
TEST(TweenerTest, EmptyDurationsAndMissingEasersGiveSafeValues) {
    Tween::Tweener zero(&Penner::inQuad, 2.0f, 3.0f, 0.0f);
    Tween::Tweener negative(&Penner::inQuad, 2.0f, 3.0f, -5.0f);
    negative.onUpdate(7.0f);
    Tween::Tweener noEaser(nullptr, 2.0f, 3.0f, 10.0f);
    noEaser.onUpdate(20.0f);
    for (const Tween::Tweener* const tween : {&zero, &negative, &noEaser}) {
        EXPECT_TRUE(tween->isFinished());
        EXPECT_EQ(tween->getValue(), tween == &noEaser ? 2.0f : 5.0f);
    }
}

} // namespace
