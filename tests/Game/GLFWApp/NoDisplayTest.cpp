#include "EVT/EventType.h"
#include "EVT/Event_Screen.h"
#include "EventRecorder.h"
#include "Game/GLFWApp.h"
#include "Game/GameManager.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// GLFW on X11 needs a display; these tests take it away.
class NoDisplay : public ::testing::Test {
protected:
    NoDisplay() { unsetenv("DISPLAY"); }
};

TEST_F(NoDisplay, WindowAppOpensNothingAndCannotInitialise) {
    GLFWAppTest::EventRecorder screens{EVT::SCREEN};
    Game::GLFWApp app("GLFWAppTest", 640, 480, false, 0x000000ffUL, true, 1.0f);
    EXPECT_FALSE(app.initWindowApp());
    EXPECT_TRUE(screens.ofType<EVT::Event_Screen>(EVT::SCREEN).empty());
    // No call reaches for the missing window or context.
    app.setSize({320, 200});
    app.clearWindow(0xff0000ffUL);
    app.showWindow();
    app.run();
}

TEST_F(NoDisplay, GameEndsWithFailedToInitWindow) {
    EXPECT_DEATH(
        {
            Game::GameManager manager(800, 600, 60, 0);
            Game::GLFWApp app("GLFWAppTest", 640, 480, false, 0x000000ffUL, true, 1.0f);
            manager.setWindowApp(&app);
            manager.run();
        },
        "ABORT: Failed to init window");
}

} // namespace
