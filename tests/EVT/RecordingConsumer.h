#pragma once

#include "EVT/I_Event.h"
#include "EVT/I_EventConsumer.h"

#include <functional>
#include <string>
#include <vector>

namespace KessokTest {

// A consumer that writes "name:type" to a shared log for every event it receives, then runs
// its action, which may destroy the consumer.
class RecordingConsumer : public EVT::I_EventConsumer {
public:
    RecordingConsumer(std::string name, std::vector<std::string>& log)
        : m_name(std::move(name)), m_log(log) {}

    void handleEvent(EVT::I_Event* const event) override {
        m_log.push_back(m_name + ":" + std::to_string(event->type));
        if (action) {
            const auto run = action;
            run(event);
        }
    }

    std::function<void(EVT::I_Event*)> action;

private:
    const std::string m_name;
    std::vector<std::string>& m_log;
};

} // namespace KessokTest
