#pragma once

#include "EVT/I_Event.h"
#include "EVT/I_EventConsumer.h"
#include "Game/FrameClock.h"
#include "Game/I_WindowApp.h"
#include "Game/MouseWheel.h"

#include <array>
#include <utility>
#include <vector>

struct GLFWwindow;

namespace Game {

// The window application on GLFW: the one window with its OpenGL context, the main loop that
// raises pre-update, update and render events until the quit event, and the input callbacks
// that turn keys, mouse, wheel and joysticks into bus events. The state the callbacks share
// lives in the application, which they reach through the window's user pointer.
class GLFWApp : public I_WindowApp, public EVT::I_EventConsumer {
public:
    // Opens the window at the size the size rule chooses, makes its context current with the
    // GL entry points loaded and announces the size twice with the screen-size event. Without a
    // display (or a window) nothing is opened and initWindowApp reports false.
    GLFWApp(const char* title, int width, int height, bool fullscreen, unsigned long clearColor,
            bool clearWindow, float speed);
    // Closes the window and its context; the last application living terminates GLFW.
    ~GLFWApp() override;
    GLFWApp(const GLFWApp&) = delete;
    GLFWApp& operator=(const GLFWApp&) = delete;

    // Installs the input callbacks, announces the size once more and subscribes to the quit and
    // set-mouse events; false when no window could be opened.
    bool initWindowApp() override;
    void run() override;
    void getAllowedSizes(std::vector<std::pair<int, int>>& sizes) override;
    // A side of 0 or below is set, and announced, as 1.
    void setSize(const std::pair<int, int>& size) override;
    double getTime() const override;
    void resetTime() override { m_clock.reset(); }
    // Swaps the buffers, then polls the window system, whose callbacks raise the input events.
    void showWindow() override;
    void clearWindow(unsigned long color) override;

    // Quit ends the loop after the pass in progress; set-mouse moves, shows or hides the cursor.
    void handleEvent(EVT::I_Event* event) override;

private:
    struct Callbacks;

    bool openWindow(const char* title, const std::pair<int, int>& size, bool fullscreen);
    void raiseFrameEvents();
    void reportActivity();
    void checkJoysticks();
    void setMouse(int x, int y, int mode);

    GLFWwindow* m_window = nullptr;
    FrameClock m_clock;
    bool m_exitApp = false;
    bool m_wasActive = false;
    bool m_lookedForJoysticks = false;
    // Numbers of the joysticks found on the first pass, ascending; never refreshed.
    std::vector<int> m_joysticks;

    // Whether the window has the focus, as the last poll left it. The loop reads it at every
    // pass; asking GLFW instead costs a round trip to the X server, about as long as a swap.
    bool m_windowActive = false;
    // Mouse callbacks raise events only while the window is active.
    bool m_mouseActive = true;
    // The modifier bits recorded at each key code's last press; its release carries them.
    std::array<int, 256> m_keypressModifiers{};
    MouseWheel m_wheel;
    // Set by a cursor change the application makes, until the end of the next poll, which
    // delivers the motion that change causes.
    bool m_ignoreMotion = false;
};

} // namespace Game
