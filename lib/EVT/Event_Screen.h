#pragma once

#include "EVT/EventType.h"
#include "EVT/I_Event.h"

namespace EVT {

// The window's size in pixels, announced when the window opens and whenever it changes.
class Event_Screen : public I_Event {
public:
    Event_Screen(const int screenWidth, const int screenHeight)
        : I_Event(SCREEN), width(screenWidth), height(screenHeight) {}

    I_Event* clone() const override { return new Event_Screen(*this); }

    int width;
    int height;
};

} // namespace EVT
