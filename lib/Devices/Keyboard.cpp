#include "Devices/Keyboard.h"

#include "EVT/EventBus.h"
#include "EVT/EventType.h"
#include "EVT/Event_Key.h"

namespace Devices {

Keyboard::Keyboard() {
    EVT::EventBus::instance().addConsumer(EVT::KEY, this);
}

void Keyboard::handleEvent(EVT::I_Event* const event) {
    const auto* const keyEvent = dynamic_cast<const EVT::Event_Key*>(event);
    if (keyEvent == nullptr) {
        return;
    }
    doKey(keyEvent->key, keyEvent->pressed);
    doKey(SHIFT_KEY, (keyEvent->modifiers & SHIFT) != 0);
    doKey(ALT_KEY, (keyEvent->modifiers & ALT) != 0);
    doKey(CTRL_KEY, (keyEvent->modifiers & CTRL) != 0);
}

void Keyboard::reset() {
    keyDown.fill(false);
    for (auto& event : m_pressEvents) {
        event.reset();
    }
    for (auto& event : m_releaseEvents) {
        event.reset();
    }
}

void Keyboard::addKeyPressEvent(const unsigned char key, const EVT::I_Event& event) {
    m_pressEvents[key].reset(event.clone());
}

void Keyboard::addKeyReleaseEvent(const unsigned char key, const EVT::I_Event& event) {
    m_releaseEvents[key].reset(event.clone());
}

void Keyboard::doKey(const unsigned char key, const bool pressed) {
    if (keyDown[key] == pressed) {
        return;
    }
    keyDown[key] = pressed;
    const auto& bound = pressed ? m_pressEvents[key] : m_releaseEvents[key];
    if (bound) {
        // A copy, since a consumer may rebind this key or reset the keyboard while it is
        // being delivered.
        const std::unique_ptr<EVT::I_Event> event(bound->clone());
        EVT::EventBus::instance().raiseEvent(event.get(), false);
    }
}

} // namespace Devices
