// The smallest program on the framework: one window whose view clears it to a colour that a
// timer changes every half second, one logic state that turns the colour green while Space is
// held and ends the program after the seconds given on the command line (10 without one), and
// Escape bound to quit.
#include "Devices/Devices.h"
#include "Devices/Keyboard.h"
#include "Devices/KeyboardStrings.h"
#include "EVT/Event.h"
#include "EVT/EventBus.h"
#include "EVT/EventType.h"
#include "Game/GLFW/GLFWApp.h"
#include "Game/GameManager.h"
#include "Game/I_LogicState.h"
#include "Game/I_View.h"
#include "Game/LogicController.h"
#include "Game/TimerBase.h"
#include "Render/OGL/Controller.h"
#include "Util/RGBA.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

namespace {

// Clears the whole window to its colour on every drawn frame.
class ClearView : public Game::I_View {
public:
    explicit ClearView(Render::I_RenderController& render) : m_render(render) {}

    void setPause(bool) override {}
    void setScreenSize(const int width, const int height) override {
        m_box = {0, 0, width, height};
    }
    void preUpdate(float) override {}
    void onUpdate(float) override {}
    void onRender() override { m_render.doClear(colour); }
    EVT::I_Event* onInput(EVT::I_Event* const event) override { return event; }
    Game::ViewBox getViewBox() const override { return m_box; }

    Util::RGBA colour{32, 48, 64, 255};

private:
    Render::I_RenderController& m_render;
    Game::ViewBox m_box{};
};

// Swaps the view's red and blue every time it fires.
class BlinkTimer : public Game::TimerBase {
public:
    explicit BlinkTimer(ClearView& view) : m_view(view) {}

    void fire() override { std::swap(m_view.colour.r, m_view.colour.b); }

private:
    ClearView& m_view;
};

// The only logic state: reads the keyboard every update, as a game does, and quits once it has
// run its course.
class RunState : public Game::I_LogicState {
public:
    RunState(ClearView& view, const float milliseconds) : m_view(view), m_left(milliseconds) {}

    void setPause(bool) override {}
    void onEnter(const std::string&, const std::string&) override {}
    std::string onUpdate(const float frameTime) override {
        const bool spaceHeld = Devices::getKeyboard()->keyDown[m_space];
        m_view.colour.g = spaceHeld ? 255 : 48;
        m_left -= frameTime;
        if (m_left <= 0.0f) {
            doExit("DONE");
        }
        return "";
    }
    void doExit(const std::string&) override {
        EVT::EventBus::instance().raiseEvent(EVT::QUIT, false);
    }

private:
    ClearView& m_view;
    const unsigned char m_space = Devices::KeyboardStrings::instance().keyMapping().findA("SPACE");
    float m_left;
};

} // namespace

int main(const int argc, char** const argv) {
    const float seconds = argc > 1 ? std::strtof(argv[1], nullptr) : 10.0f;

    // Built before the window application, whose construction announces the window's size.
    Game::GameManager manager(640, 480, 60, 2);
    Game::GLFWApp window("Kessok example", 640, 480, false, 0x000000ffUL, false, 1.0f);
    Render::ViewData viewData;
    viewData.vsync = 1;
    OGL::Controller render(viewData);

    ClearView view(render);
    BlinkTimer blink(view);
    blink.start(500.0f, 500.0f);
    Game::LogicController logic;
    logic.add("RUN", std::make_unique<RunState>(view, seconds * 1000.0f), {});

    // The states find the keyboard through the registry, which does not own it: it lives here,
    // past the main loop.
    Devices::Keyboard keyboard;
    Devices::setKeyboard(&keyboard);
    const unsigned char escape = Devices::KeyboardStrings::instance().keyMapping().findA("ESC");
    keyboard.addKeyPressEvent(escape, EVT::Event(EVT::QUIT));

    manager.setWindowApp(&window);
    manager.setRenderController(&render);
    manager.setLogicController(&logic);
    manager.getViewManager()->add(&view);
    // Opens the window (or ends with the abort report when there is none) and runs until quit.
    manager.run();
    return 0;
}
