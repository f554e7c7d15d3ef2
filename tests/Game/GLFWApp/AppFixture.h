#pragma once

#include "EVT/EventType.h"
#include "EventRecorder.h"
#include "Game/GLFWApp.h"
#include "LoopDriver.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

struct GLFWwindow;

namespace GLFWAppTest {

// Each test opens the application window titled "GLFWAppTest" on its own virtual display
// (1280 x 1024) and records the screen-size, input and activity events.
class AppFixture : public ::testing::Test {
public:
    // The application window, whose context is the current one.
    static GLFWwindow* window();
    static std::pair<int, int> windowSize();

protected:
    AppFixture();

    // Opens the window, closing one opened before.
    void create(int width, int height, bool fullscreen = false);
    // Opens the window and readies it for input.
    void open(int width, int height, bool fullscreen = false);

    EventRecorder m_events{EVT::SCREEN, EVT::KEY, EVT::MOUSE, EVT::ENTER_LEAVE};
    std::unique_ptr<Game::GLFWApp> m_app;
};

} // namespace GLFWAppTest
