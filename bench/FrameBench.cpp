// The frame road: one raise on the event bus delivered to 8 consumers, against a plain vector
// of std::function callbacks as the floor, and a whole frame (pre-update, update, render)
// through the game manager with 8 views, 16 running timers and one logic state. Timers alone:
// starting and stopping one while 1k and while 64k others run, and a frame in which 64k
// one-shot timers run out beside the floor of calling their fire() directly.

#include "EVT/EventBus.h"
#include "EVT/EventType.h"
#include "EVT/Event_PreUpdate.h"
#include "EVT/Event_Update.h"
#include "Game/GameManager.h"
#include "Game/I_WindowApp.h"
#include "Game/LogicController.h"
#include "Game/TimerBase.h"
#include "SecondsOf.h"
#include "Support/FakeRenderController.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
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

// A window that only counts the frames shown: the real one hands them to the driver without
// allocating, so the frame cycle is measured without any window cost of its own.
class NullWindowApp : public Game::I_WindowApp {
public:
    NullWindowApp() : I_WindowApp(0xff000080, true) {}

    bool initWindowApp() override { return true; }
    void run() override {}
    void getAllowedSizes(std::vector<std::pair<int, int>>&) override {}
    void setSize(const std::pair<int, int>&) override {}
    double getTime() const override { return 0.0; }
    void resetTime() override {}
    void showWindow() override { ++shown; }
    void clearWindow(unsigned long) override {}

    long shown = 0;
};

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
    NullWindowApp window;
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
    if (window.shown != state.iterations()) {
        state.SkipWithError("a frame was skipped");
    }
}

bool noneActive(const std::vector<CountingTimer>& timers) {
    return std::none_of(timers.begin(), timers.end(),
                        [](const CountingTimer& timer) { return timer.isActive(); });
}

// Timers started one by one from none running, then stopped one by one, oldest first. The
// starts of the whole group are one span of the thread's CPU clock, and its stops another.
struct TimerGroup {
    explicit TimerGroup(const std::size_t size) : timers(size) {}

    // False when a timer did not start or did not stop.
    bool startAndStop() {
        startSeconds += cpuSecondsOf([this] {
            for (CountingTimer& timer : timers) {
                timer.start(100.0f, 0.0f);
            }
        });
        const bool started =
            std::all_of(timers.begin(), timers.end(),
                        [](const CountingTimer& timer) { return timer.isActive(); });
        stopSeconds += cpuSecondsOf([this] {
            for (CountingTimer& timer : timers) {
                timer.stop();
            }
        });
        ++rounds;
        return started && noneActive(timers);
    }

    std::vector<CountingTimer> timers;
    double startSeconds = 0.0;
    double stopSeconds = 0.0;
    std::size_t rounds = 0;
};

// The CPU time that a span of the thread's CPU clock counts when nothing runs in it: the cost
// of reading the clock, which is some 0.2 us, beside the 3 us in which 1k timers start.
double emptySpanSeconds() {
    constexpr int SPANS = 1000;
    double seconds = 0.0;
    for (int span = 0; span < SPANS; ++span) {
        seconds += cpuSecondsOf([] {});
    }
    return seconds / SPANS;
}

// 1k and 64k timers in turn, the group that goes first alternating. Either group starts and
// stops 64k timers in its turn, the 1k group in 64 rounds, and every span is counted less an
// empty span, so that the ratios compare the timers alone and not the clock. Counters:
// nanoseconds per start and per stop of each group, and each as a multiple of the 1k group's.
void BM_TimerStartStop(benchmark::State& state) {
    constexpr std::size_t TIMERS_PER_TURN = 1 << 16;
    std::array<TimerGroup, 2> groups{TimerGroup(1 << 10), TimerGroup(1 << 16)};
    const double emptySpan = emptySpanSeconds();
    bool startedAndStopped = true;
    inTurn(state, groups.size(), [&](const std::size_t which) {
        TimerGroup& group = groups[which];
        for (std::size_t round = 0; round < TIMERS_PER_TURN / group.timers.size(); ++round) {
            startedAndStopped = group.startAndStop() && startedAndStopped;
        }
    });
    if (!startedAndStopped) {
        state.SkipWithError("a timer did not start or stop");
        return;
    }
    const auto perTimer = [&](const std::size_t group, const double TimerGroup::*const seconds) {
        const double rounds = static_cast<double>(groups[group].rounds);
        const double starts = static_cast<double>(groups[group].timers.size()) * rounds;
        return 1e9 * (groups[group].*seconds - rounds * emptySpan) / starts;
    };
    const auto counters = [&](const std::string& name, const double TimerGroup::*const seconds) {
        state.counters[name + "_1k_ns"] = perTimer(0, seconds);
        state.counters[name + "_64k_ns"] = perTimer(1, seconds);
        state.counters[name + "_64k/1k"] = perTimer(1, seconds) / perTimer(0, seconds);
    };
    counters("start", &TimerGroup::startSeconds);
    counters("stop", &TimerGroup::stopSeconds);
}

// Counters: milliseconds of the frame and of the floor, and their ratio. A first round,
// untimed, checks that every timer fired once in the frame and stopped.
void BM_TimerFrameOfOneShots(benchmark::State& state) {
    std::vector<CountingTimer> timers(1 << 16);
    double frameSeconds = 0.0;
    double floorSeconds = 0.0;
    const auto round = [&] {
        for (CountingTimer& timer : timers) {
            timer.start(10.0f, 0.0f);
        }
        frameSeconds += secondsOf([] { Game::TimerBase::onUpdate(16.0f); });
        const bool allStopped = noneActive(timers);
        floorSeconds += secondsOf([&timers] {
            for (Game::TimerBase& timer : timers) {
                timer.fire();
            }
        });
        return allStopped;
    };
    if (!round() || !std::all_of(timers.begin(), timers.end(),
                                 [](const CountingTimer& timer) { return timer.fired == 2; })) {
        state.SkipWithError("a one-shot timer did not fire once in the frame");
        return;
    }
    frameSeconds = floorSeconds = 0.0;
    for (auto _ : state) {
        round();
    }
    state.counters["frame_ms"] =
        benchmark::Counter(1e3 * frameSeconds, benchmark::Counter::kAvgIterations);
    state.counters["floor_ms"] =
        benchmark::Counter(1e3 * floorSeconds, benchmark::Counter::kAvgIterations);
    state.counters["frame/floor"] = frameSeconds / floorSeconds;
}

BENCHMARK(BM_EventBusRaise);
BENCHMARK(BM_EventBusRaiseQueuingOne);
BENCHMARK(BM_StdFunctionDispatch);
BENCHMARK(BM_FrameCycle);
BENCHMARK(BM_TimerStartStop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TimerFrameOfOneShots)->Unit(benchmark::kMillisecond);

} // namespace
