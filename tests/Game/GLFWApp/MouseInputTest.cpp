#include "AppFixture.h"

#include "EVT/EventBus.h"
#include "EVT/Event_EnterLeave.h"
#include "EVT/Event_Mouse.h"
#include "EVT/Event_SetMouse.h"

#include <GLFW/glfw3.h>

#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace GLFWAppTest {

namespace {

// x, y, wheel delta, button, pressed.
using Mouse = std::tuple<int, int, int, int, bool>;

std::vector<Mouse> mice(const EventRecorder& events) {
    std::vector<Mouse> found;
    for (const EVT::Event_Mouse& mouse : events.ofType<EVT::Event_Mouse>(EVT::MOUSE)) {
        found.emplace_back(mouse.x, mouse.y, mouse.wheelDelta, mouse.button, mouse.pressed);
    }
    return found;
}

void setMouse(const int x, const int y, const int mode) {
    EVT::Event_SetMouse request(x, y, mode);
    EVT::EventBus::instance().raiseEvent(&request, false);
}

void expectCursor(const int mode, const double x, const double y) {
    std::pair<double, double> position;
    glfwGetCursorPos(AppFixture::window(), &position.first, &position.second);
    EXPECT_EQ(glfwGetInputMode(AppFixture::window(), GLFW_CURSOR), mode);
    EXPECT_EQ(position, std::make_pair(x, y));
}

const std::string s_moveTo = std::string(LoopDriver::findWindow) + " mousemove --window %1 ";

} // namespace

TEST_F(AppFixture, ButtonsAndWheelArriveAsMouseEvents) {
    open(320, 240);
    // X buttons 2 and 3 are middle and right, 4 and 5 the wheel, 6 and 7 the horizontal wheel,
    // 8 the fourth button.
    EXPECT_TRUE(LoopDriver(*m_app)
                    .xdotool(s_moveTo + "20 30 sleep 0.1 click 1 click 2 click 3 click 8 click 4 "
                                        "click 4 click 5 click 6 click 7")
                    .run());
    std::vector<Mouse> events = mice(m_events);
    // Entering the window and moving in it may each report the position.
    const Mouse motion{20, 30, 0, 0, false};
    while (events.size() > 1 && events[0] == motion && events[1] == motion) {
        events.erase(events.begin());
    }
    EXPECT_EQ(events, (std::vector<Mouse>{motion,
                                          {20, 30, 0, 1, true},
                                          {20, 30, 0, 1, false},
                                          {20, 30, 0, 4, true},
                                          {20, 30, 0, 4, false},
                                          {20, 30, 0, 2, true},
                                          {20, 30, 0, 2, false},
                                          {20, 30, 0, 0, true},
                                          {20, 30, 0, 0, false},
                                          {20, 30, 1, 0, false},
                                          {20, 30, 1, 0, false},
                                          {20, 30, -1, 0, false}}));
}

TEST_F(AppFixture, SetMouseMovesTheCursorWithoutAMouseEvent) {
    open(320, 240);
    // The pointer starts outside the window, so the first move also enters it.
    EXPECT_TRUE(
        LoopDriver(*m_app)
            .act([] { setMouse(100, 110, 0); })
            .passes(20)
            .act([] { expectCursor(GLFW_CURSOR_NORMAL, 100.0, 110.0); })
            // Hidden, with unbounded coordinates.
            .act([] { setMouse(10, 20, 2); })
            .passes(20)
            .act([] { expectCursor(GLFW_CURSOR_DISABLED, 10.0, 20.0); })
            // Shown, not moved.
            .act([] { setMouse(-1, -1, 1); })
            .passes(20)
            .act([] { EXPECT_EQ(glfwGetInputMode(window(), GLFW_CURSOR), GLFW_CURSOR_NORMAL); })
            // Motion made by the user still arrives.
            .xdotool(s_moveTo + "70 80")
            .run());
    EXPECT_EQ(mice(m_events), std::vector<Mouse>{Mouse(70, 80, 0, 0, false)});
}

// The mouse is heard only while the window is active, also when it starts inactive.
TEST_F(AppFixture, InactiveWindowRaisesNoMouseEvents) {
    create(320, 240);
    glfwWindowHint(GLFW_VISIBLE, GLFW_TRUE);
    GLFWwindow* const app = window();
    GLFWwindow* const other = glfwCreateWindow(64, 64, "other", nullptr, nullptr);
    glfwFocusWindow(other);
    for (int tries = 0; tries < 100 && glfwGetWindowAttrib(app, GLFW_FOCUSED); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        glfwPollEvents();
    }
    ASSERT_FALSE(glfwGetWindowAttrib(app, GLFW_FOCUSED));
    ASSERT_TRUE(m_app->initWindowApp());

    const auto activityChanges = [this] {
        return m_events.ofType<EVT::Event_EnterLeave>(EVT::ENTER_LEAVE).size();
    };
    EXPECT_TRUE(LoopDriver(*m_app)
                    .xdotool(s_moveTo + "20 30 click 1")
                    .act([this] { EXPECT_EQ(mice(m_events), std::vector<Mouse>{}); })
                    .act([app] { glfwFocusWindow(app); })
                    .then([&] { return activityChanges() == 1; })
                    .xdotool(std::string(LoopDriver::findWindow) + " click 1")
                    .act([other] { glfwFocusWindow(other); })
                    .then([&] { return activityChanges() == 2; })
                    .run());
    EXPECT_EQ(mice(m_events), (std::vector<Mouse>{{20, 30, 0, 1, true}, {20, 30, 0, 1, false}}));
    std::vector<bool> activity;
    for (const auto& change : m_events.ofType<EVT::Event_EnterLeave>(EVT::ENTER_LEAVE)) {
        activity.push_back(change.active);
    }
    EXPECT_EQ(activity, (std::vector<bool>{true, false}));
    glfwDestroyWindow(other);
}

} // namespace GLFWAppTest
