#pragma once

#include "EVT/EventType.h"
#include "EVT/I_Event.h"

namespace EVT {

// A mouse motion, button or wheel event, with the cursor position in window pixels when it
// happened.
class Event_Mouse : public I_Event {
public:
    Event_Mouse(const int cursorX, const int cursorY, const int wheel, const int buttonCode,
                const bool isPressed)
        : I_Event(MOUSE), x(cursorX), y(cursorY), wheelDelta(wheel), button(buttonCode),
          pressed(isPressed) {}

    I_Event* clone() const override { return new Event_Mouse(*this); }

    int x;
    int y;
    // Change of the wheel position since the previous wheel event.
    int wheelDelta;
    // 1 left, 2 right, 4 middle, 0 any other button or none.
    int button;
    bool pressed;
};

} // namespace EVT
