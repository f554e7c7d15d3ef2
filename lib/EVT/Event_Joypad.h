#pragma once

#include "EVT/EventType.h"
#include "EVT/I_Event.h"

#include <array>

namespace EVT {

// The state of one joystick, sent every frame: its first two axes truncated toward zero
// (-1, 0 or 1) and its first four buttons, true while pressed.
class Event_Joypad : public I_Event {
public:
    Event_Joypad(const int joystickNumber, const int axisX, const int axisY,
                 const std::array<bool, 4>& buttonStates)
        : I_Event(JOYPAD), joystick(joystickNumber), x(axisX), y(axisY), buttons(buttonStates) {}

    I_Event* clone() const override { return new Event_Joypad(*this); }

    int joystick;
    int x;
    int y;
    std::array<bool, 4> buttons;
};

} // namespace EVT
