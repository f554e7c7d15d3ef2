// The frame road: one raise on the event bus delivered to 8 consumers, against a plain vector
// of std::function callbacks as the floor, and a whole frame (pre-update, update, render)
// through the game manager with 8 views, 16 running timers and one logic state.

#include "../tests/Game/FakeWindowApp.h"
#include "EVT/EventBus.h"
#include "EVT/EventType.h"
#include "EVT/Event_PreUpdate.h"
#include "EVT/Event_Update.h"
#include "Game/GameManager.h"
#include "Game/LogicController.h"
#include "Game/TimerBase.h"
#include "Support/FakeRenderController.h"

#include <benchmark/benchmark.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kConsumers = 8;
constexpr int kOtherType = 1000;

EVT::EventBus& bus() {
    return EVT::EventBus::instance();
}

// Reported beside the time per iteration: the time per consumer reached.
void perConsumer(benchmark::State& state) {
    state.counters["time_per_consumer"] = benchmark::Counter(
        kConsumers, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

class CountingConsumer : public EVT::I_EventConsumer {
public:
    void handleEvent(EVT::I_Event* const event) override {
        benchmark::DoNotOptimize(event);
        ++received;
    }
    long received = 0;
};

// One unqueued raise with nothing pending: the bus's fast path.
void BM_EventBusRaise(benchmark::State& state) {
    std::array<CountingConsumer, kConsumers> consumers;
    for (auto& consumer : consumers) {
        bus().addConsumer(EVT::UPDATE, &consumer);
    }
    EVT::Event_Update event(16.0f);
    for (auto _ : state) {
        bus().raiseEvent(&event, false);
    }
    perConsumer(state);
}

// The same raise when one consumer queues an event each time, so the raise ends by draining
// the queue.
void BM_EventBusRaiseQueuingOne(benchmark::State& state) {
    std::array<CountingConsumer, kConsumers - 1> consumers;
    struct Queuer : EVT::I_EventConsumer {
        void handleEvent(EVT::I_Event*) override { bus().raiseEvent(kOtherType, true); }
    } queuer;
    bus().addConsumer(EVT::UPDATE, &queuer);
    for (auto& consumer : consumers) {
        bus().addConsumer(EVT::UPDATE, &consumer);
    }
    bus().addConsumer(kOtherType, &consumers[0]);
    EVT::Event_Update event(16.0f);
    for (auto _ : state) {
        bus().raiseEvent(&event, false);
    }
    perConsumer(state);
}

// The floor: the same 8 calls through a vector of std::function, with no re-entrancy rules.
void BM_StdFunctionDispatch(benchmark::State& state) {
    std::array<long, kConsumers> received{};
    std::vector<std::function<void(EVT::I_Event*)>> callbacks;
    for (long& count : received) {
        callbacks.emplace_back([&count](EVT::I_Event* const event) {
            benchmark::DoNotOptimize(event);
            ++count;
        });
    }
    EVT::Event_Update event(16.0f);
    for (auto _ : state) {
        for (const auto& callback : callbacks) {
            callback(&event);
        }
    }
    perConsumer(state);
}

class CountingView : public Game::I_View {
public:
    void setPause(bool) override {}
    void setScreenSize(int, int) override {}
    void preUpdate(const float frameTime) override { elapsed += frameTime; }
    void onUpdate(const float frameTime) override { elapsed += frameTime; }
    void onRender() override { ++rendered; }
    EVT::I_Event* onInput(EVT::I_Event* const event) override { return event; }
    Game::ViewBox getViewBox() const override { return {0, 0, 800, 600}; }

    float elapsed = 0.0f;
    long rendered = 0;
};

class CountingTimer : public Game::TimerBase {
public:
    void fire() override { ++fired; }
    long fired = 0;
};

class IdleState : public Game::I_LogicState {
public:
    void setPause(bool) override {}
    void onEnter(const std::string&, const std::string&) override {}
    std::string onUpdate(float) override { return {}; }
    void doExit(const std::string&) override {}
};

// One pass of the main loop at 60 frames per second, every frame drawn.
void BM_FrameCycle(benchmark::State& state) {
    Game::GameManager manager(800, 600, 60, 2);
    KessokTest::FakeWindowApp window;
    KessokTest::FakeRenderController renderer;
    Game::LogicController logic;
    logic.add("IDLE", std::make_unique<IdleState>(), {});
    manager.setWindowApp(&window);
    manager.setRenderController(&renderer);
    manager.setLogicController(&logic);
    std::array<CountingView, 8> views;
    for (auto& view : views) {
        manager.getViewManager()->add(&view);
    }
    std::array<CountingTimer, 16> timers;
    for (std::size_t i = 0; i < timers.size(); ++i) {
        timers[i].start(100.0f + 10.0f * static_cast<float>(i), 250.0f);
    }
    EVT::Event_PreUpdate preUpdate(16.0f);
    EVT::Event_Update update(16.0f);
    for (auto _ : state) {
        bus().raiseEvent(&preUpdate, false);
        bus().raiseEvent(&update, false);
        bus().raiseEvent(EVT::RENDER, false);
    }
    if (window.shown != static_cast<int>(state.iterations())) {
        state.SkipWithError("a frame was skipped");
    }
}

BENCHMARK(BM_EventBusRaise);
BENCHMARK(BM_EventBusRaiseQueuingOne);
BENCHMARK(BM_StdFunctionDispatch);
BENCHMARK(BM_FrameCycle);

} // namespace
