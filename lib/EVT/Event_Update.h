#pragma once

#include "EVT/EventType.h"
#include "EVT/I_Event.h"

namespace EVT {

// The frame's logic update, raised by the main loop after the pre-update.
class Event_Update : public I_Event {
public:
    explicit Event_Update(const float frameTime) : I_Event(UPDATE), dt(frameTime) {}

    I_Event* clone() const override { return new Event_Update(*this); }

    // Frame time, milliseconds.
    float dt;
};

} // namespace EVT
