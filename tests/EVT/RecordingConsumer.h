#pragma once

#include "EVT/I_Event.h"
#include "EVT/I_EventConsumer.h"

#include <functional>
#include <string>
#include <vector>

namespace KessokTest {

// Writes "name call" to a shared log, then runs its action, which may destroy the recorder. As
// a consumer it records the type of each event and shows the action the event in `received`.
class RecordingConsumer : public EVT::I_EventConsumer {
public:
    RecordingConsumer(std::string name, std::vector<std::string>& log)
        : m_name(std::move(name)), m_log(log) {}

    void handleEvent(EVT::I_Event* const event) override {
        received = event;
        record(std::to_string(event->type));
    }

    std::function<void()> action;
    EVT::I_Event* received = nullptr;

protected:
    void record(const std::string& call) {
        m_log.push_back(m_name + " " + call);
        if (action) {
            const auto run = action;
            run();
        }
    }

private:
    const std::string m_name;
    std::vector<std::string>& m_log;
};

} // namespace KessokTest
