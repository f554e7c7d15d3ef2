#pragma once

#include "EVT/EventBus.h"
#include "EVT/I_Event.h"
#include "EVT/I_EventConsumer.h"

#include <initializer_list>
#include <memory>
#include <vector>

namespace GLFWAppTest {

// Keeps a copy of every event of the given types that the bus delivers, in order.
class EventRecorder : public EVT::I_EventConsumer {
public:
    explicit EventRecorder(const std::initializer_list<int> types) {
        for (const int type : types) {
            EVT::EventBus::instance().addConsumer(type, this);
        }
    }

    void handleEvent(EVT::I_Event* const event) override { m_events.emplace_back(event->clone()); }

    // Copies of the recorded events of one type, as their class.
    template <typename T>
    std::vector<T> ofType(const int type) const {
        std::vector<T> found;
        for (const auto& event : m_events) {
            if (event->type == type) {
                found.push_back(dynamic_cast<const T&>(*event));
            }
        }
        return found;
    }

    void clear() { m_events.clear(); }

private:
    std::vector<std::unique_ptr<EVT::I_Event>> m_events;
};

} // namespace GLFWAppTest
