#include "LoopDriver.h"

#include "EVT/EventBus.h"
#include "EVT/EventType.h"

#include <gtest/gtest.h>

#include <memory>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace GLFWAppTest {

using Clock = std::chrono::steady_clock;

LoopDriver::LoopDriver(Game::GLFWApp& app) : m_app(app) {
    EVT::EventBus::instance().addConsumer(EVT::UPDATE, this);
    EVT::EventBus::instance().addConsumer(EVT::RENDER, this);
}

LoopDriver& LoopDriver::then(Step step) {
    m_steps.push_back(std::move(step));
    return *this;
}

LoopDriver& LoopDriver::act(std::function<void()> action) {
    return then([action = std::move(action)] {
        action();
        return true;
    });
}

LoopDriver& LoopDriver::passes(const int count) {
    auto left = std::make_shared<int>(count);
    return then([left] { return --*left <= 0; });
}

LoopDriver& LoopDriver::xdotool(const std::string& args) {
    auto pid = std::make_shared<pid_t>(-1);
    auto finished = std::make_shared<Clock::time_point>();
    act([pid, command = "xdotool " + args] {
        const char* const argv[] = {"sh", "-c", command.c_str(), nullptr};
        EXPECT_EQ(
            posix_spawnp(pid.get(), "sh", nullptr, nullptr, const_cast<char**>(argv), environ), 0);
    });
    then([pid, finished] {
        int status = 0;
        if (*pid > 0 && waitpid(*pid, &status, WNOHANG) == 0) {
            return false;
        }
        EXPECT_TRUE(*pid > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0);
        *finished = Clock::now();
        return true;
    });
    // The server still has to deliver the input to the window, and the loop to poll it.
    return then([finished] { return Clock::now() - *finished > std::chrono::milliseconds(150); });
}

bool LoopDriver::run(const std::chrono::seconds limit) {
    m_deadline = Clock::now() + limit;
    m_app.run();
    return !m_timedOut;
}

void LoopDriver::handleEvent(EVT::I_Event* const event) {
    if (event->type == EVT::RENDER) {
        if (m_app.getClearWindow()) {
            m_app.clearWindow(m_app.getClearColor());
        }
        m_app.showWindow();
        return;
    }
    if (m_next < m_steps.size() && m_steps[m_next]()) {
        ++m_next;
    }
    m_timedOut = Clock::now() > m_deadline;
    if (m_next == m_steps.size() || m_timedOut) {
        EVT::EventBus::instance().raiseEvent(EVT::QUIT, false);
    }
}

} // namespace GLFWAppTest
