#pragma once

#include "Game/I_WindowApp.h"

#include <string>
#include <utility>
#include <vector>

namespace KessokTest {

// A window application without a window: counts the frames shown and, given a log, writes
// there what the game manager asks of it, in order.
class FakeWindowApp : public Game::I_WindowApp {
public:
    explicit FakeWindowApp(std::vector<std::string>* const log = nullptr)
        : I_WindowApp(0xff000080, true), m_log(log) {}

    bool initWindowApp() override {
        record("initWindowApp");
        return initResult;
    }
    void run() override { record("run"); }
    void getAllowedSizes(std::vector<std::pair<int, int>>&) override {}
    void setSize(const std::pair<int, int>&) override {}
    double getTime() const override { return 0.0; }
    void resetTime() override {}
    void showWindow() override {
        ++shown;
        record("show");
    }
    void clearWindow(const unsigned long color) override {
        record("clear " + std::to_string(color));
    }

    bool initResult = true;
    int shown = 0;

private:
    void record(const std::string& call) {
        if (m_log) {
            m_log->push_back(call);
        }
    }

    std::vector<std::string>* const m_log;
};

} // namespace KessokTest
