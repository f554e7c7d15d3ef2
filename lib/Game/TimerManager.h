#pragma once

#include "Game/StableList.h"
#include "Game/TimerBase.h"
#include "Util/Singleton.h"

#include <vector>

namespace Game {

// The process-wide list of running timers, the most recently started first, ticked with the
// frame time of every update event. It does not own the timers.
class TimerBase::TimerManager : public Util::Singleton<TimerBase::TimerManager> {
public:
    // Lists the timer first unless it is listed already; a timer with no time left gets 1 ms.
    void started(TimerBase* timer);
    // Takes a listed timer out, with no time left.
    void stopped(TimerBase* timer);
    // Pauses, or resumes once, every listed timer.
    void setPause(bool paused);
    // Counts the frame time off every listed timer that is not paused and fires those that
    // run out, each at most once. A timer started meanwhile waits for the next tick.
    void onUpdate(float frameTime);
    // Forgets a timer being destroyed, which may be the one firing.
    void destroyed(TimerBase* timer);

private:
    friend class Util::Singleton<TimerBase::TimerManager>;
    TimerManager() = default;
    // Stops every timer still listed.
    ~TimerManager();

    void tick(TimerBase& timer, float frameTime);

    StableList<TimerBase, &TimerBase::m_listPlace> m_timers;
    // The timers whose fire() runs, innermost last; a timer destroyed meanwhile becomes null.
    std::vector<TimerBase*> m_firing;
};

} // namespace Game
