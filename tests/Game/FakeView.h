#pragma once

#include "Game/I_View.h"

#include <functional>
#include <string>
#include <vector>

namespace KessokTest {

// A view that writes "name.call" to a shared log for each call and runs an optional action on
// update; its input answer is chosen by the test (the same event unless consuming is set).
class FakeView : public Game::I_View {
public:
    FakeView(std::string name, std::vector<std::string>& log)
        : m_name(std::move(name)), m_log(log) {}

    void setPause(const bool paused) override { record(paused ? "pause" : "resume"); }
    void setScreenSize(const int width, const int height) override {
        record("size " + std::to_string(width) + "x" + std::to_string(height));
    }
    void preUpdate(float) override { record("preUpdate"); }
    void onUpdate(float) override {
        record("update");
        if (onUpdateAction) {
            onUpdateAction();
        }
    }
    void onRender() override { record("render"); }
    EVT::I_Event* onInput(EVT::I_Event* const event) override {
        record("input");
        return consuming ? nullptr : event;
    }
    Game::ViewBox getViewBox() const override { return {0, 0, 0, 0}; }

    std::function<void()> onUpdateAction;
    bool consuming = false;

private:
    void record(const std::string& call) { m_log.push_back(m_name + "." + call); }

    const std::string m_name;
    std::vector<std::string>& m_log;
};

} // namespace KessokTest
