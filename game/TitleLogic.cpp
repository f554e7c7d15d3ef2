#include "game/TitleLogic.h"

#include "Devices/Devices.h"
#include "Devices/Keyboard.h"
#include "EVT/EventBus.h"
#include "EVT/EventType.h"

namespace Tool {

namespace {

constexpr unsigned char ESCAPE_KEY = 27;
constexpr unsigned char SPACE_KEY = 32;

} // namespace

TitleLogic::TitleLogic(Game::GameManager*) {
    // Nothing raises 2 or 22; kept so that a game's own events of those types reach this state.
    EVT::EventBus::instance().addConsumer(2, this);
    EVT::EventBus::instance().addConsumer(22, this);
}

TitleLogic::~TitleLogic() {
    EVT::EventBus::instance().removeConsumer(this);
}

void TitleLogic::setPause(bool) {}

void TitleLogic::onEnter(const std::string&, const std::string&) {
    m_exitCode.clear();
}

// Keys are read as held flags: every update with Escape down raises quit again, and
// Escape wins over Space.
std::string TitleLogic::onUpdate(float) {
    if (!m_exitCode.empty()) {
        doExit("");
    }
    const Devices::Keyboard* keyboard = Devices::getKeyboard();
    if (keyboard->keyDown[ESCAPE_KEY]) {
        EVT::EventBus::instance().raiseEvent(EVT::QUIT, false);
    } else if (keyboard->keyDown[SPACE_KEY]) {
        m_exitCode = "START";
    }
    return m_exitCode;
}

void TitleLogic::doExit(const std::string&) {}

void TitleLogic::handleEvent(EVT::I_Event*) {}

} // namespace Tool
