#include "EVT/I_EventConsumer.h"

#include "EVT/EventBus.h"

namespace EVT {

I_EventConsumer::~I_EventConsumer() {
    EventBus::instance().removeConsumer(this);
}

} // namespace EVT
