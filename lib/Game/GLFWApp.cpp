#include "Game/GLFWApp.h"

#include "EVT/Event.h"
#include "EVT/EventBus.h"
#include "EVT/EventType.h"
#include "EVT/Event_EnterLeave.h"
#include "EVT/Event_Joypad.h"
#include "EVT/Event_Key.h"
#include "EVT/Event_Mouse.h"
#include "EVT/Event_PreUpdate.h"
#include "EVT/Event_Screen.h"
#include "EVT/Event_SetMouse.h"
#include "EVT/Event_Update.h"
#include "Game/InputCodes.h"
#include "Game/JoypadState.h"
#include "Game/MouseWheel.h"
#include "Game/WindowSize.h"

#include <GL/glew.h>

#include <GLFW/glfw3.h>

#include <algorithm>
#include <array>

namespace Game {

namespace {

// State shared by the application and its GLFW callbacks; the constructor resets it.

// Whether the window has the focus, as the last poll left it. The loop reads it at every pass;
// asking GLFW instead costs a round trip to the X server, about as long as a buffer swap.
bool g_windowActive = false;
// Mouse callbacks raise events only while the window is active.
bool g_mouseAtv = true;
// The modifier bits recorded at each key code's last press; its release carries them.
std::array<int, 256> s_keypressModifiers{};
MouseWheel g_wheel;
// Set by a cursor change the application makes, until the end of the next poll, which
// delivers the motion that change causes.
bool g_ignoreMotion = false;

// Failures show in return values (no monitor, no window); GLFW's own messages stay silent.
void ignoreError(int, const char*) {}

void raise(EVT::I_Event& event) {
    EVT::EventBus::instance().raiseEvent(&event, false);
}

int positiveSide(const int side) {
    return std::max(side, 1);
}

void announceSize(const int width, const int height) {
    EVT::Event_Screen event(positiveSide(width), positiveSide(height));
    raise(event);
}

std::pair<int, int> desktopSize() {
    GLFWmonitor* const monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* const mode = monitor != nullptr ? glfwGetVideoMode(monitor) : nullptr;
    if (mode == nullptr) {
        return {0, 0};
    }
    return {mode->width, mode->height};
}

int readModifiers(GLFWwindow* const window) {
    return modifierBitsFor(
        [window](const int glfwKey) { return glfwGetKey(window, glfwKey) == GLFW_PRESS; });
}

void raiseMouseAtCursor(GLFWwindow* const window, const int wheelDelta, const int button,
                        const bool pressed) {
    double x = 0.0;
    double y = 0.0;
    glfwGetCursorPos(window, &x, &y);
    EVT::Event_Mouse event(static_cast<int>(x), static_cast<int>(y), wheelDelta, button, pressed);
    raise(event);
}

// The window stays: GLFW keeps it and its context until the application is destroyed, so
// teardown can still release GL objects.
void WindowCloseFunc(GLFWwindow*) {
    EVT::EventBus::instance().raiseEvent(EVT::QUIT, false);
}

void FocusFunc(GLFWwindow*, const int focused) {
    g_windowActive = focused == GLFW_TRUE;
}

void ReshapeFunc(GLFWwindow*, const int width, const int height) {
    announceSize(width, height);
}

void KeyFunc(GLFWwindow* const window, const int key, int, const int action, int) {
    // GLFW 3 cannot turn key repeat off. A repeat changes no key's state, and taken for a
    // non-press it would read as a release.
    if (action == GLFW_REPEAT) {
        return;
    }
    const unsigned char code = keyCodeFor(key);
    if (code == 0) {
        // Read for its effect only: with sticky keys on, reading consumes the sticky press of a
        // modifier released before this key, so it does not carry over to the next key.
        readModifiers(window);
        return;
    }
    const bool pressed = action == GLFW_PRESS;
    if (pressed) {
        s_keypressModifiers[code] = readModifiers(window);
    }
    EVT::Event_Key event(code, pressed, s_keypressModifiers[code]);
    raise(event);
}

void MouseMotionFunc(GLFWwindow*, const double x, const double y) {
    if (!g_mouseAtv || g_ignoreMotion) {
        return;
    }
    EVT::Event_Mouse event(static_cast<int>(x), static_cast<int>(y), 0, 0, false);
    raise(event);
}

void MouseButtonFunc(GLFWwindow* const window, const int button, const int action, int) {
    if (g_mouseAtv) {
        raiseMouseAtCursor(window, 0, mouseButtonCode(button), action != GLFW_RELEASE);
    }
}

void MouseWheelFunc(GLFWwindow* const window, double, const double yOffset) {
    // The wheel turns while the window is inactive too; the next event reports that as well.
    if (g_wheel.scroll(yOffset) && g_mouseAtv) {
        raiseMouseAtCursor(window, g_wheel.takeChange(), 0, false);
    }
}

} // namespace

GLFWApp::GLFWApp(const char* const title, const int width, const int height, const bool fullscreen,
                 const unsigned long clearColor, const bool clearWindow, const float speed)
    : I_WindowApp(clearColor, clearWindow), m_clock(speed) {
    g_windowActive = false;
    g_mouseAtv = true;
    s_keypressModifiers.fill(0);
    g_wheel = MouseWheel();
    g_ignoreMotion = false;

    glfwSetErrorCallback(ignoreError);
    // Hats would otherwise appear as extra buttons where a joystick has fewer than four.
    glfwInitHint(GLFW_JOYSTICK_HAT_BUTTONS, GLFW_FALSE);
    if (glfwInit() != GLFW_TRUE) {
        return;
    }
    // Chosen before the window exists: a resize afterwards is answered asynchronously, with a
    // late extra size event.
    std::vector<std::pair<int, int>> allowed;
    getAllowedSizes(allowed);
    const std::pair<int, int> size =
        chooseWindowSize({width, height}, fullscreen, allowed, desktopSize());
    if (!openWindow(title, size, fullscreen)) {
        return;
    }
    glfwSetWindowCloseCallback(m_window, WindowCloseFunc);
    announceSize(size.first, size.second);
    glfwSetInputMode(m_window, GLFW_CURSOR, GLFW_CURSOR_NORMAL);
    announceSize(size.first, size.second);
}

GLFWApp::~GLFWApp() {
    glfwTerminate();
}

bool GLFWApp::openWindow(const char* const title, const std::pair<int, int>& size,
                         const bool fullscreen) {
    glfwDefaultWindowHints();
    // No profile hints: the default context keeps the fixed-function pipeline. GLFW 3 would
    // add an 8-bit stencil buffer unasked.
    glfwWindowHint(GLFW_DEPTH_BITS, 24);
    glfwWindowHint(GLFW_STENCIL_BITS, 0);
    GLFWmonitor* const monitor = fullscreen ? glfwGetPrimaryMonitor() : nullptr;
    GLFWwindow* const window = glfwCreateWindow(size.first, size.second, title, monitor, nullptr);
    if (window == nullptr) {
        return false;
    }
    // The render controller is created and probed right after the window application.
    glfwMakeContextCurrent(window);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        glfwDestroyWindow(window);
        return false;
    }
    // glewInit may leave an error behind from probing the context.
    while (glGetError() != GL_NO_ERROR) {
    }
    m_window = window;
    return true;
}

bool GLFWApp::initWindowApp() {
    if (m_window == nullptr) {
        return false;
    }
    glfwSetWindowSizeCallback(m_window, ReshapeFunc);
    // GLFW 3 does not call a size callback as it is installed; the size is announced here.
    int width = 0;
    int height = 0;
    glfwGetWindowSize(m_window, &width, &height);
    ReshapeFunc(m_window, width, height);
    glfwSetInputMode(m_window, GLFW_STICKY_KEYS, GLFW_TRUE);
    glfwSetKeyCallback(m_window, KeyFunc);
    glfwSetCursorPosCallback(m_window, MouseMotionFunc);
    glfwSetMouseButtonCallback(m_window, MouseButtonFunc);
    glfwSetScrollCallback(m_window, MouseWheelFunc);
    glfwSetWindowFocusCallback(m_window, FocusFunc);
    g_windowActive = glfwGetWindowAttrib(m_window, GLFW_FOCUSED) == GLFW_TRUE;
    g_mouseAtv = g_windowActive;
    EVT::EventBus& bus = EVT::EventBus::instance();
    bus.addConsumer(EVT::QUIT, this);
    bus.addConsumer(EVT::SET_MOUSE, this);
    return true;
}

void GLFWApp::run() {
    if (m_window == nullptr) {
        return;
    }
    m_wasActive = g_windowActive;
    while (!m_exitApp) {
        reportActivity();
        checkJoysticks();
        raiseFrameEvents();
    }
    glfwSetKeyCallback(m_window, nullptr);
    glfwSetCursorPosCallback(m_window, nullptr);
    glfwSetMouseButtonCallback(m_window, nullptr);
}

void GLFWApp::reportActivity() {
    const bool active = g_windowActive;
    if (active != m_wasActive) {
        g_mouseAtv = active;
        EVT::Event_EnterLeave event(active);
        raise(event);
    }
    m_wasActive = active;
}

void GLFWApp::checkJoysticks() {
    if (!m_lookedForJoysticks) {
        for (int joystick = GLFW_JOYSTICK_1; joystick <= GLFW_JOYSTICK_16; ++joystick) {
            if (glfwJoystickPresent(joystick) == GLFW_TRUE) {
                m_joysticks.push_back(joystick);
            }
        }
        m_lookedForJoysticks = true;
    }
    for (const int joystick : m_joysticks) {
        int axisCount = 0;
        const float* const axes = glfwGetJoystickAxes(joystick, &axisCount);
        int buttonCount = 0;
        const unsigned char* const buttons = glfwGetJoystickButtons(joystick, &buttonCount);
        EVT::Event_Joypad event = joypadEventFor(joystick, axes, axisCount, buttons, buttonCount);
        raise(event);
    }
}

void GLFWApp::raiseFrameEvents() {
    const float frameTime = m_clock.passAt(glfwGetTime());
    EVT::Event_PreUpdate preUpdate(frameTime);
    raise(preUpdate);
    EVT::Event_Update update(frameTime);
    raise(update);
    glPushMatrix();
    EVT::EventBus::instance().raiseEvent(EVT::RENDER, false);
    glPopMatrix();
}

void GLFWApp::getAllowedSizes(std::vector<std::pair<int, int>>& sizes) {
    std::vector<std::pair<int, int>> modeSizes;
    GLFWmonitor* const monitor = glfwGetPrimaryMonitor();
    int count = 0;
    const GLFWvidmode* const modes =
        monitor != nullptr ? glfwGetVideoModes(monitor, &count) : nullptr;
    if (modes != nullptr) {
        for (int i = 0; i < std::min(count, 1000); ++i) {
            modeSizes.emplace_back(modes[i].width, modes[i].height);
        }
    }
    sizes = distinctSizes(modeSizes);
}

void GLFWApp::setSize(const std::pair<int, int>& size) {
    if (m_window == nullptr) {
        return;
    }
    // X11 ends the process on a window side of 0.
    const int width = positiveSide(size.first);
    const int height = positiveSide(size.second);
    glfwSetWindowSize(m_window, width, height);
    announceSize(width, height);
}

double GLFWApp::getTime() const {
    return glfwGetTime();
}

void GLFWApp::showWindow() {
    if (m_window == nullptr) {
        return;
    }
    // GLFW 3's swap does not poll. Polling here keeps input nested in the render dispatch, and
    // a render that is skipped neither swaps nor polls.
    glfwSwapBuffers(m_window);
    glfwPollEvents();
    g_ignoreMotion = false;
}

void GLFWApp::clearWindow(const unsigned long color) {
    if (m_window == nullptr) {
        return;
    }
    const auto channel = [color](const int shift) {
        return static_cast<float>(static_cast<double>((color >> shift) & 0xffUL) / 255.0);
    };
    glClearColor(channel(24), channel(16), channel(8), channel(0));
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void GLFWApp::handleEvent(EVT::I_Event* const event) {
    switch (event->type) {
    case EVT::QUIT:
        m_exitApp = true;
        break;
    case EVT::SET_MOUSE:
        if (const auto* const request = dynamic_cast<const EVT::Event_SetMouse*>(event)) {
            setMouse(request->getX(), request->getY(), request->getMode());
        }
        break;
    default:
        break;
    }
}

void GLFWApp::setMouse(const int x, const int y, const int mode) {
    if (m_window == nullptr) {
        return;
    }
    const bool moveAsked = x != -1 && y != -1;
    g_ignoreMotion = true;
    switch (mode) {
    case 1:
        glfwSetInputMode(m_window, GLFW_CURSOR, GLFW_CURSOR_NORMAL);
        if (moveAsked) {
            glfwSetCursorPos(m_window, x, y);
        }
        break;
    case 2:
        // Hidden and unbounded: the motion events go on past the window's edges.
        glfwSetInputMode(m_window, GLFW_CURSOR, GLFW_CURSOR_DISABLED);
        if (moveAsked) {
            glfwSetCursorPos(m_window, x, y);
        }
        break;
    default:
        glfwSetCursorPos(m_window, x, y);
        break;
    }
    // GLFW's X11 side answers this with a round trip to the server, after which the motion that
    // the changes above cause is queued for the next poll, whose end lifts g_ignoreMotion.
    glfwGetWindowAttrib(m_window, GLFW_FOCUSED);
}

} // namespace Game
