#include "Game/JoypadState.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

namespace {

using Buttons = std::array<bool, 4>;

TEST(JoypadState, AxesTruncateTowardZeroWithTheSecondPointingUp) {
    const float axes[] = {0.99f, 1.0f, 1.0f};
    const unsigned char buttons[] = {GLFW_PRESS, GLFW_RELEASE, GLFW_RELEASE, GLFW_PRESS,
                                     GLFW_PRESS};
    const EVT::Event_Joypad event = Game::joypadEventFor(3, axes, 3, buttons, 5);
    EXPECT_EQ(event.joystick, 3);
    EXPECT_EQ(event.x, 0);
    EXPECT_EQ(event.y, -1);
    EXPECT_EQ(event.buttons, (Buttons{true, false, false, true}));
}

TEST(JoypadState, MissingOrShortReadingsGiveCentreAndReleased) {
    const EVT::Event_Joypad none = Game::joypadEventFor(1, nullptr, 0, nullptr, 0);
    EXPECT_EQ(std::make_pair(none.x, none.y), std::make_pair(0, 0));
    EXPECT_EQ(none.buttons, Buttons{});

    const float oneAxis[] = {-1.0f};
    const unsigned char twoButtons[] = {GLFW_PRESS, GLFW_PRESS};
    const EVT::Event_Joypad partial = Game::joypadEventFor(1, oneAxis, 1, twoButtons, 2);
    EXPECT_EQ(std::make_pair(partial.x, partial.y), std::make_pair(-1, 0));
    EXPECT_EQ(partial.buttons, (Buttons{true, true, false, false}));
}

} // namespace
