#pragma once

#include "EVT/I_Event.h"
#include "EVT/I_EventConsumer.h"
#include "Game/GLFWApp.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace GLFWAppTest {

// Runs a window application's main loop for a test: presents every render as the game manager
// does (clear, then swap and poll), works through the test's steps in order, at most one a
// pass, and raises quit when they are done or the time is up.
class LoopDriver : public EVT::I_EventConsumer {
public:
    // Called once a pass until it returns true.
    using Step = std::function<bool()>;

    explicit LoopDriver(Game::GLFWApp& app);

    LoopDriver& then(Step step);
    LoopDriver& act(std::function<void()> action);
    LoopDriver& passes(int count);
    // Runs `xdotool ARGS` through the shell, waits for it to succeed and lets the server deliver
    // the input it made. In ARGS, %1 after `findWindow` is the application window.
    LoopDriver& xdotool(const std::string& args);
    // False when the steps did not finish in time.
    bool run(std::chrono::seconds limit = std::chrono::seconds(20));

    void handleEvent(EVT::I_Event* event) override;

    static constexpr const char* findWindow = "search --sync --name '^GLFWAppTest$'";

private:
    Game::GLFWApp& m_app;
    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    std::chrono::steady_clock::time_point m_deadline;
    bool m_timedOut = false;
};

} // namespace GLFWAppTest
