#include "Tween/Tweener.h"
#include "Penner/Easers.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace {

TEST(TweenerTest, ElapsedTimeStaysWithinTheDurationAndFinishesExactlyAtIt) {
    Tween::Tweener tween(&Penner::inLinear, 0.0f, 1.0f, 1000.0f);
    struct Step {
        float dt;
        float value;
        bool finished;
    };
    const Step steps[] = {{250.0f, 0.25f, false},
                          {1000.0f, 1.0f, true},
                          {-300.0f, 0.7f, false},
                          {-5000.0f, 0.0f, false},
                          {std::numeric_limits<float>::quiet_NaN(), 1.0f, true}};
    for (const Step& step : steps) {
        tween.onUpdate(step.dt);
        EXPECT_FLOAT_EQ(tween.getValue(), step.value) << step.dt;
        EXPECT_EQ(tween.isFinished(), step.finished) << step.dt;
    }
    tween.reset();
    EXPECT_EQ(tween.getValue(), 0.0f);
    EXPECT_FALSE(tween.isFinished());
    EXPECT_EQ(tween.getDuration(), 1000.0f);
}

TEST(TweenerTest, ValueIsTheEasersAtTheElapsedTime) {
    std::unique_ptr<Tween::I_Tweener> tween =
        std::make_unique<Tween::Tweener>(&Penner::outBounce, 2.0f, 3.0f, 40.0f);
    tween->onUpdate(10.0f);
    EXPECT_EQ(tween->getValue(), Penner::outBounce(10.0f, 2.0f, 3.0f, 40.0f));
}

TEST(TweenerTest, ZeroOrNegativeDurationFinishesAtOnceAtTheEnd) {
    for (const float duration : {0.0f, -5.0f}) {
        Tween::Tweener tween(&Penner::inQuad, 2.0f, 3.0f, duration);
        EXPECT_TRUE(tween.isFinished()) << duration;
        EXPECT_EQ(tween.getValue(), 5.0f) << duration;
        tween.onUpdate(7.0f);
        EXPECT_TRUE(tween.isFinished()) << duration;
        EXPECT_EQ(tween.getValue(), 5.0f) << duration;
    }
}

TEST(TweenerTest, WithoutAnEaserTheValueStaysAtTheStart) {
    Tween::Tweener tween(nullptr, 2.0f, 3.0f, 10.0f);
    EXPECT_EQ(tween.getValue(), 2.0f);
    tween.onUpdate(20.0f);
    EXPECT_EQ(tween.getValue(), 2.0f);
    EXPECT_TRUE(tween.isFinished());
}

} // namespace
