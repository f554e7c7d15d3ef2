#pragma once

#include "Util/NonCopyable.h"

#include <cstddef>

namespace Game {

// Base of a game's timers: a countdown in milliseconds that calls fire() when it runs out,
// once or after every repeat delay, and that can be paused. Running timers are ticked by the
// process-wide TimerManager from the game's update events.
class TimerBase : private Util::NonCopyable<TimerBase> {
public:
    class TimerManager;

    TimerBase();
    // Stops the timer.
    virtual ~TimerBase();

    // Counts down from the delay, then from the repeat delay after every expiry (0: fires
    // once). A delay of 0 changes nothing but the time passed; a running timer keeps its place
    // among the timers.
    void start(float delay, float repeatDelay);
    void stop();
    // Pauses a running timer once more: it counts down again after as many resumes.
    void pause();
    // Takes back one pause, or all of them.
    void resume(bool all);
    bool isActive() const { return m_timeUntilFire != 0.0f; }
    // The number of pauses not yet resumed.
    int isPaused() const { return m_pauseCount; }
    float getTimeUntilFire() const { return m_timeUntilFire; }
    float getRepeatDelay() const { return m_repeatDelay; }
    // Since the start or the last expiry.
    float getTimePassed() const { return m_timePassed; }

    // Pauses or resumes every running timer once.
    static void setPause(bool paused);
    // Advances every running timer by the frame time (milliseconds).
    static void onUpdate(float frameTime);

    // Called when the timer runs out. It may start, stop or destroy this or any other timer.
    virtual void fire() = 0;

private:
    // No time left and no pause: the state of a timer that is not running.
    void halt();

    float m_timeUntilFire = 0.0f;
    float m_repeatDelay = 0.0f;
    float m_timePassed = 0.0f;
    int m_pauseCount = 0;
    // Kept by the manager's list of running timers, so that it finds the timer at once.
    std::size_t m_listPlace = 0;
};

} // namespace Game
