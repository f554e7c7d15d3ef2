#include "Game/GLFW/GLFWApp.h"
#include "EVT/EventBus.h"
#include "EVT/Event_EnterLeave.h"
#include "EVT/Event_Key.h"
#include "EVT/Event_Mouse.h"
#include "EVT/Event_PreUpdate.h"
#include "EVT/Event_Screen.h"
#include "EVT/Event_SetMouse.h"
#include "EVT/Event_Update.h"
#include "Support/DriverKeeper.h"

#include <GL/glew.h>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// After GoogleTest, whose names X11's macros would replace.
#include <X11/Xlib.h>

namespace {

using Clock = std::chrono::steady_clock;
using Log = std::vector<std::string>;
using Size = std::pair<int, int>;

std::string describe(const EVT::I_Event& event) {
    std::ostringstream text;
    if (const auto* const screen = dynamic_cast<const EVT::Event_Screen*>(&event)) {
        text << "size " << screen->width << "x" << screen->height;
    } else if (const auto* const key = dynamic_cast<const EVT::Event_Key*>(&event)) {
        text << "key " << int{key->key} << (key->pressed ? " down " : " up ") << key->modifiers;
    } else if (const auto* const mouse = dynamic_cast<const EVT::Event_Mouse*>(&event)) {
        text << "mouse " << mouse->x << "," << mouse->y << " " << mouse->wheelDelta << " "
             << mouse->button << (mouse->pressed ? " down" : " up");
    } else if (const auto* const change = dynamic_cast<const EVT::Event_EnterLeave*>(&event)) {
        text << "active " << change->active;
    } else if (const auto* const preUpdate = dynamic_cast<const EVT::Event_PreUpdate*>(&event)) {
        text << "pre " << preUpdate->dt;
    } else if (const auto* const update = dynamic_cast<const EVT::Event_Update*>(&event)) {
        text << "update " << update->dt;
    } else {
        text << (event.type == EVT::RENDER ? "render" : "quit");
    }
    return text.str();
}

// The size of the application window, whose context is the current one.
Size windowSize() {
    Size size;
    glfwGetWindowSize(glfwGetCurrentContext(), &size.first, &size.second);
    return size;
}

// What a window manager sends when the user closes the focused window.
void requestClose() {
    Display* const display = XOpenDisplay(nullptr);
    XEvent event{};
    int revert = 0;
    XGetInputFocus(display, &event.xclient.window, &revert);
    event.xclient.type = ClientMessage;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
}

// Each test opens the application window "GLFWAppTest" on its own virtual display (1280 x 1024)
// and logs the events around it as text: "size 640x480", "key 97 down 1" (code, modifiers),
// "mouse 20,30 0 1 down" (position, wheel, button), "active 1", "pre 16", "update 16", "render",
// "quit". In the main loop every render is presented as the game manager does, and every update
// runs the next step until it returns true; quit follows the last step.
class AppTest : public ::testing::Test, public EVT::I_EventConsumer {
public:
    void handleEvent(EVT::I_Event* const event) override {
        m_log.push_back(describe(*event));
        if (event->type == EVT::RENDER) {
            m_app->showWindow();
        } else if (event->type == EVT::UPDATE) {
            if (m_next < m_steps.size() && m_steps[m_next]()) {
                ++m_next;
            }
            m_timedOut = Clock::now() > m_deadline;
            if (m_next == m_steps.size() || m_timedOut) {
                EVT::EventBus::instance().raiseEvent(EVT::QUIT, false);
            }
        }
    }

    AppTest() {
        TestSupport::keepDriverLoaded();
        for (const int type : {EVT::SCREEN, EVT::KEY, EVT::MOUSE, EVT::ENTER_LEAVE, EVT::PRE_UPDATE,
                               EVT::UPDATE, EVT::RENDER, EVT::QUIT}) {
            EVT::EventBus::instance().addConsumer(type, this);
        }
    }

    // Opens the window, closing one opened before.
    void create(const int width, const int height, const bool fullscreen = false) {
        m_app.reset();
        m_app = std::make_unique<Game::GLFWApp>("GLFWAppTest", width, height, fullscreen,
                                                0x203040ffUL, true, 1.0f);
    }
    void open(const int width, const int height, const bool fullscreen = false) {
        create(width, height, fullscreen);
        ASSERT_TRUE(m_app->initWindowApp());
    }

    // The logged events whose first word is one of these.
    Log logged(const std::initializer_list<std::string> words) const {
        Log found;
        for (const std::string& line : m_log) {
            if (std::count(words.begin(), words.end(), line.substr(0, line.find(' '))) > 0) {
                found.push_back(line);
            }
        }
        return found;
    }

    AppTest& then(std::function<bool()> step) {
        m_steps.push_back(std::move(step));
        return *this;
    }
    AppTest& act(std::function<void()> action) {
        return then([action = std::move(action)] {
            action();
            return true;
        });
    }
    AppTest& passes(const int count) {
        return then([left = std::make_shared<int>(count)] { return --*left <= 0; });
    }
    // Runs `xdotool ARGS`, then lets the server deliver the input to the window and the loop
    // poll it.
    AppTest& xdotool(const std::string& args) {
        auto finished = std::make_shared<Clock::time_point>();
        act([finished, command = "xdotool " + args] {
            EXPECT_EQ(std::system(command.c_str()), 0) << command;
            *finished = Clock::now();
        });
        return then(
            [finished] { return Clock::now() - *finished > std::chrono::milliseconds(150); });
    }
    // Runs the loop over the steps; false when the time ran out first.
    bool runLoop(const std::chrono::seconds limit = std::chrono::seconds(20)) {
        m_deadline = Clock::now() + limit;
        m_app->run();
        m_steps.clear();
        m_next = 0;
        return !m_timedOut;
    }

    Log m_log;
    std::unique_ptr<Game::GLFWApp> m_app;

private:
    std::vector<std::function<bool()>> m_steps;
    std::size_t m_next = 0;
    Clock::time_point m_deadline;
    bool m_timedOut = false;
};

const std::string s_moveTo = "search --sync --name '^GLFWAppTest$' mousemove --window %1 ";

TEST_F(AppTest, OpensAtTheChosenSizeWithDepthAndNoStencilAndAnnouncesEverySize) {
    // The size rule has its own test; these two reach the window system's desktop size.
    for (const auto& [requested, fullscreen] :
         std::vector<std::pair<Size, bool>>{{{0, 600}, false}, {{640, 480}, true}}) {
        SCOPED_TRACE(::testing::Message() << requested.first << " x " << requested.second);
        m_log.clear();
        open(requested.first, requested.second, fullscreen);
        EXPECT_EQ(m_log, Log(3, "size 1280x1024"));
        EXPECT_EQ(windowSize(), Size(1280, 1024));
    }
    m_log.clear();
    create(640, 480);
    EXPECT_EQ(m_log, Log(2, "size 640x480"));
    ASSERT_TRUE(m_app->initWindowApp());
    EXPECT_EQ(m_log, Log(3, "size 640x480"));
    std::array<GLint, 2> bits{};
    glGetIntegerv(GL_DEPTH_BITS, &bits[0]);
    glGetIntegerv(GL_STENCIL_BITS, &bits[1]);
    EXPECT_EQ(bits, (std::array<GLint, 2>{24, 0}));
    // Created at its final size, the window is not announced again later. A side of 0 would
    // end the process inside X11.
    EXPECT_TRUE(passes(50)
                    .act([this] {
                        EXPECT_EQ(logged({"size"}).size(), 3U);
                        m_app->setSize({320, 200});
                    })
                    .then([] { return windowSize() == Size(320, 200); })
                    .act([this] {
                        m_app->setSize({0, 600});
                    })
                    .then([] { return windowSize() == Size(1, 600); })
                    .runLoop());
    const Log sizes = logged({"size"});
    EXPECT_EQ(sizes.at(3), "size 320x200");
    EXPECT_EQ(sizes.back(), "size 1x600");
}

TEST_F(AppTest, QuitOrACloseRequestEndsTheLoopAfterThePassInProgressAndKeepsTheContext) {
    open(64, 64);
    m_app->resetTime();
    // Quit is raised from the third update.
    EXPECT_TRUE(passes(3).runLoop());
    const Log updates = logged({"update"});
    ASSERT_EQ(updates.size(), 3U);
    EXPECT_EQ(updates[0], "update 0");
    Log frames;
    for (const std::string& update : updates) {
        frames.insert(frames.end(), {"pre " + update.substr(7), update, "render"});
    }
    frames.insert(frames.end() - 1, "quit");
    EXPECT_EQ(logged({"pre", "update", "render", "quit"}), frames);

    open(64, 64);
    m_log.clear();
    // Nothing else ends this loop in time.
    EXPECT_TRUE(act(requestClose).then([] { return false; }).runLoop(std::chrono::seconds(10)));
    EXPECT_EQ(logged({"quit"}), Log{"quit"});
    m_app->clearWindow(0xff000080UL);
    std::array<unsigned char, 4> rgba{};
    glReadPixels(32, 32, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    EXPECT_EQ(rgba, (std::array<unsigned char, 4>{255, 0, 0, 128}));
    GLfloat depth = 0.0f;
    glReadPixels(32, 32, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    EXPECT_EQ(depth, 1.0f);
}

// GLFW lives until the last application ends, and each window reaches its own application.
TEST_F(AppTest, ApplicationOpenedBesideAnotherOutlivesIt) {
    open(64, 64);
    std::unique_ptr<Game::GLFWApp> first = std::move(m_app);
    open(96, 96);
    first.reset();
    EXPECT_TRUE(passes(3).act(requestClose).then([] { return false; }).runLoop());
    EXPECT_EQ(logged({"quit"}), Log{"quit"});
    EXPECT_EQ(windowSize(), Size(96, 96));
}

TEST_F(AppTest, KeysArriveAsCodesWithTheModifiersOfTheirPress) {
    open(320, 240);
    // Held past the auto-repeat delay, the key repeats inside GLFW. Keys with no code raise
    // nothing; a modifier tapped alone does not stick to the next key.
    EXPECT_TRUE(
        xdotool("keydown a sleep 1.2 keyup a")
            .xdotool("keydown Shift_L keydown a sleep 0.1 keyup Shift_L sleep 0.1 keyup a")
            .xdotool("keydown Control_L keydown Alt_L keydown b sleep 0.1 keyup b keyup Alt_L "
                     "keyup Control_L")
            .xdotool("key --delay 30 Prior F1 Shift_L z")
            .runLoop());
    EXPECT_EQ(logged({"key"}), (Log{"key 97 down 0", "key 97 up 0", "key 97 down 1", "key 97 up 1",
                                    "key 98 down 6", "key 98 up 6", "key 13 down 0", "key 13 up 0",
                                    "key 122 down 0", "key 122 up 0"}));
}

TEST_F(AppTest, ButtonsAndWheelArriveAsMouseEventsAtTheCursor) {
    open(320, 240);
    // X buttons 2 and 3 are middle and right, 4 and 5 the wheel, 6 and 7 the horizontal wheel,
    // 8 the fourth button.
    EXPECT_TRUE(xdotool(s_moveTo + "20 30 sleep 0.1 click 1 click 2 click 3 click 8 click 4 "
                                   "click 4 click 5 click 6 click 7")
                    .runLoop());
    Log mice = logged({"mouse"});
    // Entering the window and moving in it may each report the position.
    while (mice.size() > 1 && mice[1] == "mouse 20,30 0 0 up") {
        mice.erase(mice.begin());
    }
    EXPECT_EQ(mice, (Log{"mouse 20,30 0 0 up", "mouse 20,30 0 1 down", "mouse 20,30 0 1 up",
                         "mouse 20,30 0 4 down", "mouse 20,30 0 4 up", "mouse 20,30 0 2 down",
                         "mouse 20,30 0 2 up", "mouse 20,30 0 0 down", "mouse 20,30 0 0 up",
                         "mouse 20,30 1 0 up", "mouse 20,30 1 0 up", "mouse 20,30 -1 0 up"}));
}

// A cursor placed or hidden by the application raises no mouse event; the user's motion does.
TEST_F(AppTest, SetMouseMovesOrHidesTheCursorWithoutAMouseEvent) {
    open(320, 240);
    const auto setMouse = [](const int x, const int y, const int mode) {
        EVT::Event_SetMouse request(x, y, mode);
        EVT::EventBus::instance().raiseEvent(&request, false);
    };
    const auto cursor = [] {
        double x = 0.0;
        double y = 0.0;
        glfwGetCursorPos(glfwGetCurrentContext(), &x, &y);
        std::ostringstream text;
        text << glfwGetInputMode(glfwGetCurrentContext(), GLFW_CURSOR) - GLFW_CURSOR_NORMAL << " "
             << x << "," << y;
        return text.str();
    };
    // Request x, y, mode, then "mode x,y" of the cursor: 0 moves it, 1 shows it, 2 hides it with
    // unbounded coordinates, and in modes 1 and 2 only a -1 asks no move. The window sits at the
    // screen's corner, where a shown cursor sent to -1 stops at 0. GLFW shows a cursor again where
    // it stood when hidden, and a move asked with the hide changes only the hidden coordinates:
    // here a show that asks no move follows only hides that asked none.
    struct Row {
        int x, y, mode;
        const char* cursor;
    };
    constexpr Row ROWS[] = {
        {100, 110, 0, "0 100,110"}, {-1, 50, 0, "0 0,50"},  {60, -1, 0, "0 60,0"},
        {-1, -1, 0, "0 0,0"},       {30, 40, 1, "0 30,40"}, {-1, 70, 1, "0 30,40"},
        {70, -1, 1, "0 30,40"},     {-1, -1, 1, "0 30,40"}, {-1, 90, 2, "2 30,40"},
        {-1, -1, 1, "0 30,40"},     {90, -1, 2, "2 30,40"}, {-1, 70, 1, "0 30,40"},
        {-1, -1, 2, "2 30,40"},     {70, -1, 1, "0 30,40"}, {10, 20, 2, "2 10,20"},
        {-1, 90, 2, "2 10,20"},     {90, -1, 2, "2 10,20"}, {-1, -1, 2, "2 10,20"},
        {50, 60, 2, "2 50,60"},     {-5, -6, 2, "2 -5,-6"}, {-1, 5, 0, "2 -1,5"},
        {7, -1, 0, "2 7,-1"},       {-1, -1, 0, "2 -1,-1"}, {15, 25, 0, "2 15,25"},
        {80, 90, 1, "0 80,90"}};
    Log cursors;
    for (const Row& row : ROWS) {
        act([&setMouse, row] { setMouse(row.x, row.y, row.mode); }).passes(20).act([&] {
            cursors.push_back(cursor());
        });
    }
    EXPECT_TRUE(xdotool(s_moveTo + "70 80").runLoop());
    ASSERT_EQ(cursors.size(), std::size(ROWS));
    for (std::size_t i = 0; i < std::size(ROWS); ++i) {
        EXPECT_EQ(cursors[i], ROWS[i].cursor)
            << ROWS[i].x << "," << ROWS[i].y << " mode " << ROWS[i].mode << " after "
            << (i > 0 ? ROWS[i - 1].cursor : "opening");
    }
    EXPECT_EQ(logged({"mouse"}), Log{"mouse 70,80 0 0 up"});
}

// The mouse is heard only while the window is active, also when it starts inactive.
TEST_F(AppTest, InactiveWindowRaisesNoMouseEvents) {
    create(320, 240);
    glfwWindowHint(GLFW_VISIBLE, GLFW_TRUE);
    GLFWwindow* const app = glfwGetCurrentContext();
    GLFWwindow* const other = glfwCreateWindow(64, 64, "other", nullptr, nullptr);
    glfwFocusWindow(other);
    for (int tries = 0; tries < 100 && glfwGetWindowAttrib(app, GLFW_FOCUSED); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        glfwPollEvents();
    }
    ASSERT_FALSE(glfwGetWindowAttrib(app, GLFW_FOCUSED));
    ASSERT_TRUE(m_app->initWindowApp());
    EXPECT_TRUE(xdotool(s_moveTo + "20 30 click 1")
                    .act([this] { EXPECT_EQ(logged({"mouse"}), Log{}); })
                    .act([app] { glfwFocusWindow(app); })
                    .then([this] { return logged({"active"}).size() == 1; })
                    .xdotool("search --sync --name '^GLFWAppTest$' click 1")
                    .act([other] { glfwFocusWindow(other); })
                    .then([this] { return logged({"active"}).size() == 2; })
                    .runLoop());
    EXPECT_EQ(logged({"mouse", "active"}),
              (Log{"active 1", "mouse 20,30 0 1 down", "mouse 20,30 0 1 up", "active 0"}));
    glfwDestroyWindow(other);
}

} // namespace
