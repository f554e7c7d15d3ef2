#pragma once

#include "Game/I_WindowApp.h"

#include <string>
#include <utility>
#include <vector>

namespace KessokTest {

// A window application without a window that counts what the game manager asks of it and,
// given a log, writes the calls there in order.
class FakeWindowApp : public Game::I_WindowApp {
public:
    explicit FakeWindowApp(std::vector<std::string>* const log = nullptr)
        : I_WindowApp(0xff000080, true), m_log(log) {}

    bool initWindowApp() override {
        record("initWindowApp");
        return initResult;
    }
    void run() override { record("run"); }
    void getAllowedSizes(std::vector<std::pair<int, int>>& sizes) override { sizes.clear(); }
    void setSize(const std::pair<int, int>&) override {}
    double getTime() const override { return 0.0; }
    void resetTime() override {}
    void showWindow() override {
        ++shown;
        record("showWindow");
    }
    void clearWindow(const unsigned long color) override {
        clearedWith = color;
        record("clearWindow");
    }

    bool initResult = true;
    int shown = 0;
    unsigned long clearedWith = 0;

private:
    void record(const char* const call) {
        if (m_log) {
            m_log->push_back(call);
        }
    }

    std::vector<std::string>* const m_log;
};

} // namespace KessokTest
