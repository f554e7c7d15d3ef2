#pragma once

#include "EVT/EventType.h"
#include "EVT/I_Event.h"

namespace EVT {

// A request to the window application to move the mouse cursor and show or hide it.
class Event_SetMouse : public I_Event {
public:
    Event_SetMouse(const int x, const int y, const int mode)
        : I_Event(SET_MOUSE), m_x(x), m_y(y), m_mode(mode) {}

    I_Event* clone() const override { return new Event_SetMouse(*this); }

    // The cursor position asked for; in modes 1 and 2 a -1 in either leaves the cursor where
    // it is.
    virtual int getX() const { return m_x; }
    virtual int getY() const { return m_y; }
    // 1 shows the cursor before moving it, 2 hides it after, any other value only moves it.
    virtual int getMode() const { return m_mode; }

private:
    int m_x;
    int m_y;
    int m_mode;
};

} // namespace EVT
