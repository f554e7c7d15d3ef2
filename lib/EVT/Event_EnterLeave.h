#pragma once

#include "EVT/EventType.h"
#include "EVT/I_Event.h"

namespace EVT {

// The window became the active window (active) or stopped being it.
class Event_EnterLeave : public I_Event {
public:
    explicit Event_EnterLeave(const bool isActive) : I_Event(ENTER_LEAVE), active(isActive) {}

    I_Event* clone() const override { return new Event_EnterLeave(*this); }

    bool active;
};

} // namespace EVT
