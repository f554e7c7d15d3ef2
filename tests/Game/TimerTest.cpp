#include "Game/TimerBase.h"
#include "Support/Recorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using KessokTest::Recorder;
using Log = std::vector<std::string>;

void tick(const float frameTime) {
    Game::TimerBase::onUpdate(frameTime);
}

// Time until fire, time passed and pause count.
std::string state(const Game::TimerBase& timer) {
    return std::to_string(static_cast<int>(timer.getTimeUntilFire())) + " " +
           std::to_string(static_cast<int>(timer.getTimePassed())) + " " +
           std::to_string(timer.isPaused());
}

TEST(TimerTest, TimerFiresOncePerTickWhenItsTimeIsUpAndDropsTheRestOfTheFrame) {
    Log log;
    Recorder once("O", log), repeating("R", log), idle("I", log);
    once.start(100.0f, 0.0f);
    repeating.start(100.0f, 50.0f);
    tick(40.0f);
    tick(40.0f);
    EXPECT_EQ(state(once), "20 80 0");
    // A delay of 0 leaves an idle timer idle and a running one as it was, but for time passed.
    idle.start(0.0f, 50.0f);
    once.start(0.0f, 50.0f);
    EXPECT_EQ(state(idle) + ", " + state(once), "0 0 0, 20 0 0");
    tick(250.0f);
    EXPECT_EQ(state(once) + ", " + state(repeating), "0 0 0, 50 0 0");
    tick(50.0f);
    EXPECT_EQ(log, (Log{"R fired", "O fired", "R fired"}));
}

TEST(TimerTest, TimerCountsDownAgainAfterAsManyResumesAsPausesAndStopClearsThem) {
    Log log;
    Recorder timer("T", log), idle("I", log);
    timer.start(100.0f, 0.0f);
    timer.pause();
    Game::TimerBase::setPause(true);
    idle.pause();
    timer.resume(false);
    tick(200.0f);
    EXPECT_EQ(state(timer) + ", " + state(idle), "100 0 1, 0 0 0");
    Game::TimerBase::setPause(false);
    timer.pause();
    timer.pause();
    timer.resume(true);
    tick(200.0f);
    EXPECT_EQ(log, Log{"T fired"});
    // One resume takes back one pause; a resume of a timer that is not paused takes back none.
    timer.start(100.0f, 0.0f);
    timer.pause();
    timer.resume(false);
    timer.resume(false);
    tick(100.0f);
    EXPECT_EQ(log, (Log{"T fired", "T fired"}));
    timer.start(10.0f, 0.0f);
    timer.pause();
    timer.stop();
    EXPECT_EQ(state(timer), "0 0 0");
}

TEST(TimerTest, FireMayStartStopOrDestroyTimersItselfIncluded) {
    Log log;
    Recorder stopped("S", log), restarted("R", log), killer("K", log), started("N", log);
    auto* const destroyed = new Recorder("D", log);
    auto* const self = new Recorder("X", log);
    for (Recorder* const timer : {&stopped, destroyed, self, &restarted, &killer}) {
        timer->start(10.0f, timer == &restarted ? 0.0f : 10.0f);
    }
    // Newest first: the killer is ticked before the others. Timers started in fire() join the
    // front and are first ticked at the next update.
    killer.action = [&] {
        stopped.stop();
        delete destroyed;
        started.start(10.0f, 0.0f);
        killer.action = nullptr;
    };
    restarted.action = [&] {
        restarted.start(30.0f, 5.0f);
        restarted.action = nullptr;
    };
    self->action = [self] { delete self; };
    tick(10.0f);
    EXPECT_EQ(state(restarted), "30 0 0");
    tick(10.0f);
    EXPECT_EQ(log, (Log{"K fired", "R fired", "X fired", "N fired", "K fired"}));
}

} // namespace
