#pragma once

namespace EVT {

// Base of every message on the event bus. The type id tells a consumer which class the event
// is; clone() lets those that must keep an event take a copy of it.
class I_Event {
public:
    explicit I_Event(const int eventType) : type(eventType) {}
    virtual ~I_Event() = default;

    // A new heap copy of the complete event, owned by the caller.
    virtual I_Event* clone() const = 0;

    int type;

protected:
    I_Event(const I_Event&) = default;
    I_Event& operator=(const I_Event&) = default;
};

} // namespace EVT
