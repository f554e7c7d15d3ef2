#pragma once

#include "EVT/I_Event.h"
#include "EVT/I_EventConsumer.h"

#include <array>
#include <memory>

namespace Devices {

// The keyboard device: one pressed flag per 8-bit key code, kept from the key events on the
// bus, for the game to poll. The pseudo-keys 1, 2 and 3 follow the shift, alt and ctrl bits of
// the key events, and events may be bound to the press or the release of any key.
class Keyboard : public EVT::I_EventConsumer {
public:
    // The modifier bits of key events; the combinations 0 to 7 are all valid.
    enum Modifiers : int { NONE = 0, SHIFT = 1, ALT = 2, CTRL = 4, INVALID = 0xffff };

    // The codes of the pseudo-keys.
    static constexpr unsigned char SHIFT_KEY = 1;
    static constexpr unsigned char ALT_KEY = 2;
    static constexpr unsigned char CTRL_KEY = 3;

    // Subscribes to the key events.
    Keyboard();

    void handleEvent(EVT::I_Event* event) override;
    // Releases every key, raising nothing, and drops every binding.
    virtual void reset();

    // Binds a copy of the event to the key's press (or release), replacing an earlier one.
    void addKeyPressEvent(unsigned char key, const EVT::I_Event& event);
    void addKeyReleaseEvent(unsigned char key, const EVT::I_Event& event);
    // Sets the key's flag and raises the event bound to that edge; a press of a key that is
    // down, or a release of one that is up, changes nothing.
    void doKey(unsigned char key, bool pressed);

    std::array<bool, 256> keyDown{};

private:
    using Bindings = std::array<std::unique_ptr<EVT::I_Event>, 256>;

    Bindings m_pressEvents;
    Bindings m_releaseEvents;
};

} // namespace Devices
