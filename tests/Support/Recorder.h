#pragma once

#include "../EVT/RecordingConsumer.h"
#include "Game/I_GameUpdated.h"
#include "Game/I_LogicController.h"
#include "Game/I_ScreenWatcher.h"
#include "Game/I_View.h"
#include "Game/TimerBase.h"

namespace KessokTest {

// Stands in for whatever the game manager, the view manager and the timers call, and records
// each call. As a view it consumes input when `consuming` is set.
class Recorder : public RecordingConsumer,
                 public Game::I_View,
                 public Game::I_LogicController,
                 public Game::I_GameUpdated,
                 public Game::I_ScreenWatcher,
                 public Game::TimerBase {
public:
    using RecordingConsumer::RecordingConsumer;

    void setPause(const bool paused) override { record(paused ? "pause" : "resume"); }
    void setScreenSize(const int width, const int height) override {
        record("size " + std::to_string(width) + "x" + std::to_string(height));
    }
    void onScreenSize(const int width, const int height) override { setScreenSize(width, height); }
    void preUpdate(float) override { record("preUpdate"); }
    void onUpdate(float) override { record("update"); }
    void onRender() override { record("render"); }
    EVT::I_Event* onInput(EVT::I_Event* const event) override {
        record("input");
        return consuming ? nullptr : event;
    }
    Game::ViewBox getViewBox() const override { return {}; }
    void onGameUpdated(const float&) override { record("updated"); }
    void fire() override { record("fired"); }

    bool consuming = false;
};

} // namespace KessokTest
