#pragma once

#include "EVT/I_Event.h"

namespace EVT {

// An event that carries nothing but its type id: quit, render, pause, resume and the events
// a game defines for itself.
class Event : public I_Event {
public:
    explicit Event(const int eventType) : I_Event(eventType) {}

    I_Event* clone() const override { return new Event(*this); }
};

} // namespace EVT
