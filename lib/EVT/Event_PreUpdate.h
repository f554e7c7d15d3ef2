#pragma once

#include "EVT/EventType.h"
#include "EVT/I_Event.h"

namespace EVT {

// Raised by the main loop before the frame's logic update.
class Event_PreUpdate : public I_Event {
public:
    explicit Event_PreUpdate(const float frameTime) : I_Event(PRE_UPDATE), dt(frameTime) {}

    I_Event* clone() const override { return new Event_PreUpdate(*this); }

    // Frame time, milliseconds.
    float dt;
};

} // namespace EVT
