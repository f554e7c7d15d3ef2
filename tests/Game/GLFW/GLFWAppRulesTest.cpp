#include "Game/FrameClock.h"
#include "Game/GLFW/GLFWApp.h"
#include "Game/GLFW/InputCodes.h"
#include "Game/GLFW/JoypadState.h"
#include "Game/GameManager.h"
#include "Game/MouseWheel.h"
#include "Game/WindowSize.h"
#include "Support/AbortReport.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Size = std::pair<int, int>;
using Sizes = std::vector<Size>;

TEST(WindowSize, SizeThatCannotBeShownTakesTheDesktopSize) {
    const Size desktop{1920, 1080};
    const auto chosen = [&desktop](const Size& requested, const bool fullscreen = false,
                                   const Sizes& modes = {{640, 480}, {1280, 720}, {1920, 1080}}) {
        return Game::chooseWindowSize(requested, fullscreen, modes, desktop);
    };
    for (const Size& requested :
         Sizes{{0, 0}, {0, 600}, {800, 0}, {-5, 100}, {1921, 600}, {800, 1081}, {3000, 2000}}) {
        EXPECT_EQ(chosen(requested), desktop) << requested.first << " x " << requested.second;
    }
    EXPECT_EQ(chosen({640, 480}, false, {}), desktop);
    EXPECT_EQ(chosen({1024, 768}, true), desktop);
    EXPECT_EQ(chosen({1280, 720}, true), Size(1280, 720));
    EXPECT_EQ(chosen({1024, 768}), Size(1024, 768));
    // The widest and the tallest mode need not be the same one.
    EXPECT_EQ(chosen({1500, 1100}, false, {{1920, 600}, {800, 1200}}), Size(1500, 1100));
    // Modes that differ only in depth or refresh rate share a size.
    EXPECT_EQ(Game::distinctSizes({{800, 600}, {640, 480}, {800, 480}, {640, 480}, {1024, 480}}),
              (Sizes{{640, 480}, {800, 480}, {800, 600}, {1024, 480}}));
}

// Where the codes do not follow GLFW's numbers: letters fold to lower case, the keypad runs KP0
// to KP9, KP/, KP*, KP-, KP+, KP., KP=, KP RET in another order than GLFW's, and keys beyond
// the 8-bit codes, the unknown key (-1) among them, raise nothing.
TEST(InputCodes, KeysMapToTheirOwnCodesOrNone) {
    const std::pair<int, int> codes[] = {{GLFW_KEY_A, 'a'},          {GLFW_KEY_KP_DIVIDE, 138},
                                         {GLFW_KEY_KP_DECIMAL, 142}, {GLFW_KEY_UNKNOWN, 0},
                                         {GLFW_KEY_F25, 0},          {GLFW_KEY_RIGHT_ALT, 0}};
    for (const auto& [glfwKey, code] : codes) {
        EXPECT_EQ(Game::keyCodeFor(glfwKey), code) << "GLFW key " << glfwKey;
    }
}

// Asking for a sticky key consumes its press, so the left key stays unasked while the right
// one is held.
TEST(InputCodes, ModifierBitsComeFromTheRightKeyOrElseTheLeftOne) {
    std::vector<int> asked;
    EXPECT_EQ(Game::modifierBitsFor([&asked](const int key) {
                  asked.push_back(key);
                  return key == GLFW_KEY_RIGHT_SHIFT || key == GLFW_KEY_LEFT_ALT;
              }),
              3);
    EXPECT_EQ(asked, (std::vector<int>{GLFW_KEY_RIGHT_SHIFT, GLFW_KEY_RIGHT_ALT, GLFW_KEY_LEFT_ALT,
                                       GLFW_KEY_RIGHT_CONTROL, GLFW_KEY_LEFT_CONTROL}));
}

// Scrolls by each offset, noting whether the whole position moved, and takes the change at
// each 0. Fractions count once they add up to a notch; the position truncates toward zero.
TEST(MouseWheel, ChangeIsTheDifferenceOfWholePositions) {
    Game::MouseWheel wheel;
    std::vector<int> changes;
    for (const double offset : {1.0, 1.0, 1.0, 0.0, -1.0, -1.0, 0.0, 0.5, 0.5, 0.0, -2.5, 0.0}) {
        if (offset == 0.0) {
            changes.push_back(wheel.takeChange());
        } else {
            changes.push_back(wheel.scroll(offset) ? 1 : 0);
        }
    }
    EXPECT_EQ(changes, (std::vector<int>{1, 1, 1, 3, 1, 1, -2, 0, 1, 1, 1, -2}));
}

TEST(JoypadState, AxesTruncateTowardZeroWithTheSecondPointingUpAndMissingReadingsAreAtRest) {
    const float axes[] = {0.99f, 1.0f, 1.0f};
    const unsigned char buttons[] = {GLFW_PRESS, GLFW_RELEASE, GLFW_RELEASE, GLFW_PRESS,
                                     GLFW_PRESS};
    const auto reading = [](const EVT::Event_Joypad& event) {
        return std::make_tuple(event.joystick, event.x, event.y, event.buttons);
    };
    using Buttons = std::array<bool, 4>;
    EXPECT_EQ(reading(Game::joypadEventFor(3, axes, 3, buttons, 5)),
              std::make_tuple(3, 0, -1, Buttons{true, false, false, true}));
    EXPECT_EQ(reading(Game::joypadEventFor(1, nullptr, 0, nullptr, 0)),
              std::make_tuple(1, 0, 0, Buttons{}));
    const float oneAxis[] = {-1.0f};
    EXPECT_EQ(reading(Game::joypadEventFor(2, oneAxis, 1, buttons, 2)),
              std::make_tuple(2, -1, 0, Buttons{true, false, false, false}));
}

TEST(FrameClock, ScaledTimeSincePreviousPassOrZeroAfterReset) {
    Game::FrameClock clock(0.5f);
    EXPECT_FLOAT_EQ(clock.passAt(0.25), 125.0f);
    EXPECT_FLOAT_EQ(clock.passAt(0.27), 10.0f);
    clock.reset();
    EXPECT_EQ(clock.passAt(5.0), 0.0f);
    EXPECT_FLOAT_EQ(clock.passAt(5.02), 10.0f);
}

// GLFW on X11 needs a display; this test takes it away.
TEST(NoDisplay, WindowAppOpensNothingAndTheGameEndsWithFailedToInitWindow) {
    unsetenv("DISPLAY");
    Game::GameManager manager(800, 600, 60, 0);
    Game::GLFWApp app("GLFWAppTest", 640, 480, false, 0x000000ffUL, true, 1.0f);
    // No call reaches for the missing window or context, and no size is announced.
    app.setSize({320, 200});
    app.clearWindow(0xff0000ffUL);
    app.showWindow();
    app.run();
    Size announced{-1, -1};
    manager.getScreenSize(announced.first, announced.second);
    EXPECT_EQ(announced, Size(0, 0));
    EXPECT_FALSE(app.initWindowApp());
    manager.setWindowApp(&app);
    EXPECT_ABORT_REPORT(manager.run(), "Game::GameManager::run()", "Failed to init window");
}

} // namespace
