#include "Game/GLFW/GLFWApp.h"

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
#include "Game/GLFW/InputCodes.h"
#include "Game/GLFW/JoypadState.h"
#include "Game/MouseWheel.h"
#include "Game/WindowSize.h"
#include "OGL/GLErrors.h"

#include <GL/glew.h>

#include <GLFW/glfw3.h>

#include <algorithm>

namespace Game {

namespace {

// The applications living, each of which started GLFW.
int s_applications = 0;

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

} // namespace

// The GLFW callbacks. Each reaches the application of its window through the window's user
// pointer, so that every application keeps its own input state.
struct GLFWApp::Callbacks {
    static GLFWApp& appOf(GLFWwindow* const window) {
        return *static_cast<GLFWApp*>(glfwGetWindowUserPointer(window));
    }

    // The window stays: GLFW keeps it and its context until the application is destroyed, so
    // teardown can still release GL objects.
    static void windowClose(GLFWwindow*) { EVT::EventBus::instance().raiseEvent(EVT::QUIT, false); }

    static void focus(GLFWwindow* const window, const int focused) {
        appOf(window).m_windowActive = focused == GLFW_TRUE;
    }

    static void reshape(GLFWwindow*, const int width, const int height) {
        announceSize(width, height);
    }

    static void key(GLFWwindow* const window, const int glfwKey, int, const int action, int) {
        // GLFW 3 cannot turn key repeat off. A repeat changes no key's state, and taken for a
        // non-press it would read as a release.
        if (action == GLFW_REPEAT) {
            return;
        }
        const unsigned char code = keyCodeFor(glfwKey);
        if (code == 0) {
            // Read for its effect only: with sticky keys on, reading consumes the sticky press
            // of a modifier released before this key, so it does not carry over to the next key.
            readModifiers(window);
            return;
        }
        int& modifiers = appOf(window).m_keypressModifiers[code];
        const bool pressed = action == GLFW_PRESS;
        if (pressed) {
            modifiers = readModifiers(window);
        }
        EVT::Event_Key event(code, pressed, modifiers);
        raise(event);
    }

    static void mouseMotion(GLFWwindow* const window, const double x, const double y) {
        const GLFWApp& app = appOf(window);
        if (!app.m_mouseActive || app.m_ignoreMotion) {
            return;
        }
        EVT::Event_Mouse event(static_cast<int>(x), static_cast<int>(y), 0, 0, false);
        raise(event);
    }

    static void mouseButton(GLFWwindow* const window, const int button, const int action, int) {
        if (appOf(window).m_mouseActive) {
            raiseMouseAtCursor(window, 0, mouseButtonCode(button), action != GLFW_RELEASE);
        }
    }

    static void mouseWheel(GLFWwindow* const window, double, const double yOffset) {
        GLFWApp& app = appOf(window);
        // The wheel turns while the window is inactive too; the next event reports that as well.
        if (app.m_wheel.scroll(yOffset) && app.m_mouseActive) {
            raiseMouseAtCursor(window, app.m_wheel.takeChange(), 0, false);
        }
    }
};

GLFWApp::GLFWApp(const char* const title, const int width, const int height, const bool fullscreen,
                 const unsigned long clearColor, const bool clearWindow, const float speed)
    : I_WindowApp(clearColor, clearWindow), m_clock(speed) {
    ++s_applications;
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
    glfwSetWindowCloseCallback(m_window, Callbacks::windowClose);
    announceSize(size.first, size.second);
    glfwSetInputMode(m_window, GLFW_CURSOR, GLFW_CURSOR_NORMAL);
    announceSize(size.first, size.second);
}

GLFWApp::~GLFWApp() {
    if (m_window != nullptr) {
        glfwDestroyWindow(m_window);
    }
    // GLFW is one per process: it ends with the last application living.
    if (--s_applications == 0) {
        glfwTerminate();
    }
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
    OGL::discardErrors();
    glfwSetWindowUserPointer(window, this);
    m_window = window;
    return true;
}

bool GLFWApp::initWindowApp() {
    if (m_window == nullptr) {
        return false;
    }
    glfwSetWindowSizeCallback(m_window, Callbacks::reshape);
    // GLFW 3 does not call a size callback as it is installed; the size is announced here.
    int width = 0;
    int height = 0;
    glfwGetWindowSize(m_window, &width, &height);
    announceSize(width, height);
    glfwSetInputMode(m_window, GLFW_STICKY_KEYS, GLFW_TRUE);
    glfwSetKeyCallback(m_window, Callbacks::key);
    glfwSetCursorPosCallback(m_window, Callbacks::mouseMotion);
    glfwSetMouseButtonCallback(m_window, Callbacks::mouseButton);
    glfwSetScrollCallback(m_window, Callbacks::mouseWheel);
    glfwSetWindowFocusCallback(m_window, Callbacks::focus);
    m_windowActive = glfwGetWindowAttrib(m_window, GLFW_FOCUSED) == GLFW_TRUE;
    m_mouseActive = m_windowActive;
    EVT::EventBus& bus = EVT::EventBus::instance();
    bus.addConsumer(EVT::QUIT, this);
    bus.addConsumer(EVT::SET_MOUSE, this);
    return true;
}

void GLFWApp::run() {
    if (m_window == nullptr) {
        return;
    }
    m_wasActive = m_windowActive;
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
    const bool active = m_windowActive;
    if (active != m_wasActive) {
        m_mouseActive = active;
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
    m_ignoreMotion = false;
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
    m_ignoreMotion = true;
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
    // the changes above cause is queued for the next poll, whose end lifts m_ignoreMotion.
    glfwGetWindowAttrib(m_window, GLFW_FOCUSED);
}

} // namespace Game
