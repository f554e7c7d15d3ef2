#include "Game/MouseWheel.h"

#include <gtest/gtest.h>

namespace {

TEST(MouseWheel, ChangeIsTheDifferenceOfWholePositions) {
    Game::MouseWheel wheel;
    wheel.scroll(1.0);
    wheel.scroll(1.0);
    EXPECT_TRUE(wheel.scroll(1.0));
    EXPECT_EQ(wheel.takeChange(), 3);
    wheel.scroll(-1.0);
    wheel.scroll(-1.0);
    EXPECT_EQ(wheel.takeChange(), -2);
    // Fractions count once they add up to a notch; the position truncates toward zero.
    EXPECT_FALSE(wheel.scroll(0.5));
    EXPECT_TRUE(wheel.scroll(0.5));
    EXPECT_EQ(wheel.takeChange(), 1);
    EXPECT_TRUE(wheel.scroll(-2.5));
    EXPECT_EQ(wheel.takeChange(), -2);
}

} // namespace
