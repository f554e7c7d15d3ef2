#include "AppFixture.h"

#include "EVT/Event.h"
#include "EVT/Event_PreUpdate.h"
#include "EVT/Event_Screen.h"
#include "EVT/Event_Update.h"

#include <GL/glew.h>

#include <GLFW/glfw3.h>
#include <X11/Xlib.h>

#include <array>
#include <cstring>
#include <vector>

namespace GLFWAppTest {

namespace {

using Size = std::pair<int, int>;
using Sizes = std::vector<Size>;

Sizes announcedSizes(const EventRecorder& events) {
    Sizes sizes;
    for (const EVT::Event_Screen& screen : events.ofType<EVT::Event_Screen>(EVT::SCREEN)) {
        sizes.emplace_back(screen.width, screen.height);
    }
    return sizes;
}

// What a window manager sends when the user closes the window.
void requestClose() {
    Display* const display = XOpenDisplay(nullptr);
    Window root = 0;
    Window* windows = nullptr;
    unsigned int count = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &root, &windows, &count);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    for (unsigned int i = 0; i < count; ++i) {
        char* name = nullptr;
        if (XFetchName(display, windows[i], &name) != 0 && std::strcmp(name, "GLFWAppTest") == 0) {
            event.xclient.window = windows[i];
            XSendEvent(display, windows[i], False, NoEventMask, &event);
        }
        XFree(name);
    }
    XFree(windows);
    XCloseDisplay(display);
}

} // namespace

TEST_F(AppFixture, OpensAtItsSizeWithDepthAndNoStencilAndAnnouncesItThreeTimes) {
    create(640, 480);
    EXPECT_EQ(announcedSizes(m_events), Sizes(2, {640, 480}));
    ASSERT_TRUE(m_app->initWindowApp());
    EXPECT_EQ(announcedSizes(m_events), Sizes(3, {640, 480}));
    EXPECT_EQ(windowSize(), Size(640, 480));
    GLint depthBits = 0;
    GLint stencilBits = -1;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
    EXPECT_EQ(depthBits, 24);
    EXPECT_EQ(stencilBits, 0);

    // Created at its final size, the window is not announced again later.
    EXPECT_TRUE(LoopDriver(*m_app).passes(50).run());
    EXPECT_EQ(announcedSizes(m_events).size(), 3U);
}

TEST_F(AppFixture, UnshowableSizesOpenAtDesktopSize) {
    const Size desktop{1280, 1024};
    for (const auto& [requested, fullscreen] : std::vector<std::pair<Size, bool>>{
             {{0, 0}, false}, {{0, 600}, false}, {{3000, 2000}, false}, {{640, 480}, true}}) {
        SCOPED_TRACE(::testing::Message() << requested.first << " x " << requested.second);
        m_events.clear();
        open(requested.first, requested.second, fullscreen);
        EXPECT_EQ(announcedSizes(m_events), Sizes(3, desktop));
        EXPECT_EQ(windowSize(), desktop);
    }
}

TEST_F(AppFixture, SetSizeResizesTheWindowAndAnnouncesIt) {
    open(640, 480);
    // A side of 0 would end the process inside X11.
    EXPECT_TRUE(LoopDriver(*m_app)
                    .act([this] {
                        m_app->setSize({320, 200});
                    })
                    .then([] { return windowSize() == Size(320, 200); })
                    .act([this] {
                        m_app->setSize({0, 600});
                    })
                    .then([] { return windowSize() == Size(1, 600); })
                    .run());
    const Sizes sizes = announcedSizes(m_events);
    EXPECT_EQ(sizes.at(3), Size(320, 200));
    EXPECT_EQ(sizes.back(), Size(1, 600));
}

TEST_F(AppFixture, QuitEndsTheLoopAfterThePassInProgress) {
    open(64, 64);
    EventRecorder frames{EVT::PRE_UPDATE, EVT::UPDATE, EVT::RENDER};
    m_app->resetTime();
    // The driver raises quit during the third update.
    EXPECT_TRUE(LoopDriver(*m_app).passes(3).run());

    const auto updates = frames.ofType<EVT::Event_Update>(EVT::UPDATE);
    const auto preUpdates = frames.ofType<EVT::Event_PreUpdate>(EVT::PRE_UPDATE);
    ASSERT_EQ(updates.size(), 3U);
    ASSERT_EQ(preUpdates.size(), 3U);
    EXPECT_EQ(frames.ofType<EVT::Event>(EVT::RENDER).size(), 3U);
    EXPECT_EQ(updates[0].dt, 0.0f);
    for (std::size_t pass = 0; pass < updates.size(); ++pass) {
        EXPECT_EQ(preUpdates[pass].dt, updates[pass].dt);
    }
}

TEST_F(AppFixture, ClosingTheWindowQuitsAndKeepsTheContext) {
    open(64, 64);
    EventRecorder quits{EVT::QUIT};
    // Only the close request can end this loop in time.
    EXPECT_TRUE(LoopDriver(*m_app)
                    .act(requestClose)
                    .then([] { return false; })
                    .run(std::chrono::seconds(10)));
    EXPECT_EQ(quits.ofType<EVT::Event>(EVT::QUIT).size(), 1U);

    m_app->clearWindow(0xff000080UL);
    std::array<unsigned char, 4> rgba{};
    glReadPixels(32, 32, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    EXPECT_EQ(rgba, (std::array<unsigned char, 4>{255, 0, 0, 128}));
    GLfloat depth = 0.0f;
    glReadPixels(32, 32, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    EXPECT_EQ(depth, 1.0f);
}

} // namespace GLFWAppTest
