#pragma once

#include "EVT/I_Event.h"
#include "Util/HashedID.h"

namespace EVT {

// Base of every subscriber of the event bus. Its hashed id, not its address, is its identity
// there; destroying a consumer takes it off the bus for every type.
class I_EventConsumer : public virtual Util::HashedID<unsigned long> {
public:
    ~I_EventConsumer() override;

    // The event belongs to the caller: a consumer that needs it later keeps a clone().
    virtual void handleEvent(I_Event* event) = 0;
};

} // namespace EVT
