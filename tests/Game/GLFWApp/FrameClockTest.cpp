#include "Game/FrameClock.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameClock, ScaledTimeSincePreviousPassOrZeroAfterReset) {
    Game::FrameClock clock(0.5f);
    EXPECT_FLOAT_EQ(clock.passAt(0.25), 125.0f);
    EXPECT_FLOAT_EQ(clock.passAt(0.27), 10.0f);
    clock.reset();
    EXPECT_EQ(clock.passAt(5.0), 0.0f);
    EXPECT_FLOAT_EQ(clock.passAt(5.02), 10.0f);
}

} // namespace
