#include "Game/TimerBase.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Counts its expiries and runs its action inside fire().
class CountingTimer : public Game::TimerBase {
public:
    void fire() override {
        ++fired;
        if (action) {
            const auto run = action;
            run();
        }
    }

    int fired = 0;
    std::function<void()> action;
};

void tick(const float frameTime) {
    Game::TimerBase::onUpdate(frameTime);
}

TEST(TimerTest, OneShotFiresOnceWhenTheTicksReachItsDelayAndThenIsIdle) {
    CountingTimer timer;
    timer.start(100.0f, 0.0f);
    tick(40.0f);
    tick(40.0f);
    EXPECT_FLOAT_EQ(timer.getTimeUntilFire(), 20.0f);
    EXPECT_FLOAT_EQ(timer.getTimePassed(), 80.0f);
    tick(40.0f);
    tick(40.0f);
    EXPECT_EQ(timer.fired, 1);
    EXPECT_FALSE(timer.isActive());
    EXPECT_FLOAT_EQ(timer.getTimePassed(), 0.0f);
}

TEST(TimerTest, RepeatingTimerFiresOncePerTickAndDropsTheRestOfTheFrame) {
    CountingTimer timer;
    timer.start(100.0f, 50.0f);
    tick(250.0f);
    EXPECT_EQ(timer.fired, 1);
    EXPECT_FLOAT_EQ(timer.getTimeUntilFire(), 50.0f);
    tick(50.0f);
    EXPECT_EQ(timer.fired, 2);
}

TEST(TimerTest, ZeroDelayLeavesAnIdleTimerIdleAndARunningOneRunningAsBefore) {
    CountingTimer idle, running;
    idle.start(0.0f, 50.0f);
    EXPECT_FALSE(idle.isActive());
    running.start(100.0f, 0.0f);
    tick(30.0f);
    running.start(0.0f, 50.0f);
    EXPECT_FLOAT_EQ(running.getTimePassed(), 0.0f);
    EXPECT_FLOAT_EQ(running.getTimeUntilFire(), 70.0f);
    EXPECT_FLOAT_EQ(running.getRepeatDelay(), 0.0f);
}

TEST(TimerTest, TimerCountsDownAgainAfterAsManyResumesAsPausesAndStopClearsThem) {
    CountingTimer timer, idle;
    timer.start(100.0f, 0.0f);
    timer.pause();
    Game::TimerBase::setPause(true);
    idle.pause();
    EXPECT_EQ(idle.isPaused(), 0);
    timer.resume(false);
    tick(200.0f);
    EXPECT_EQ(timer.isPaused(), 1);
    EXPECT_FLOAT_EQ(timer.getTimePassed(), 0.0f);
    Game::TimerBase::setPause(false);
    timer.pause();
    timer.pause();
    timer.resume(true);
    tick(200.0f);
    EXPECT_EQ(timer.fired, 1);
    timer.start(10.0f, 0.0f);
    timer.pause();
    timer.stop();
    EXPECT_EQ(timer.isPaused(), 0);
    EXPECT_FALSE(timer.isActive());
}

TEST(TimerTest, TimerStartedInsideFireWaitsForTheNextTickAndKeepsItsNewSettings) {
    CountingTimer first, second;
    first.action = [&] {
        second.start(10.0f, 0.0f);
        first.start(30.0f, 5.0f);
    };
    first.start(10.0f, 0.0f);
    tick(10.0f);
    EXPECT_EQ(second.fired, 0);
    EXPECT_FLOAT_EQ(first.getTimeUntilFire(), 30.0f);
    EXPECT_FLOAT_EQ(first.getTimePassed(), 0.0f);
    tick(10.0f);
    EXPECT_EQ(second.fired, 1);
}

TEST(TimerTest, FireMayStopOrDestroyOtherTimersAndDestroyItself) {
    CountingTimer stopped, killer;
    auto* const destroyed = new CountingTimer;
    auto* const self = new CountingTimer;
    // Newest first: the killer is ticked before the other three.
    for (CountingTimer* const timer : {&stopped, destroyed, self, &killer}) {
        timer->start(10.0f, 10.0f);
    }
    killer.action = [&] {
        stopped.stop();
        delete destroyed;
        killer.action = nullptr;
    };
    self->action = [self] { delete self; };
    tick(10.0f);
    tick(10.0f);
    EXPECT_EQ(killer.fired, 2);
    EXPECT_EQ(stopped.fired, 0);
}

} // namespace
