#pragma once

#include "EVT/EventType.h"
#include "EVT/I_Event.h"

namespace EVT {

// The press or release of one key, by its 8-bit key code.
class Event_Key : public I_Event {
public:
    Event_Key(const unsigned char keyCode, const bool isPressed, const int modifierBits)
        : I_Event(KEY), key(keyCode), pressed(isPressed), modifiers(modifierBits) {}

    I_Event* clone() const override { return new Event_Key(*this); }

    unsigned char key;
    bool pressed;
    // Devices::Keyboard::Modifiers bits; a release carries those recorded at the key's press.
    int modifiers;
};

} // namespace EVT
