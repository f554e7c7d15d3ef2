#include "Game/TimerManager.h"

#include <algorithm>

namespace Game {

TimerBase::TimerManager::~TimerManager() {
    m_timers.forEachNewestFirst([](TimerBase& timer) { timer.halt(); });
}

void TimerBase::TimerManager::started(TimerBase* const timer) {
    if (timer->m_timeUntilFire == 0.0f) {
        timer->m_timeUntilFire = 1.0f;
    }
    m_timers.add(timer);
}

void TimerBase::TimerManager::stopped(TimerBase* const timer) {
    if (m_timers.remove(timer)) {
        timer->m_timeUntilFire = 0.0f;
    }
}

void TimerBase::TimerManager::setPause(const bool paused) {
    m_timers.forEachNewestFirst([paused](TimerBase& timer) {
        if (paused) {
            timer.pause();
        } else {
            timer.resume(false);
        }
    });
}

void TimerBase::TimerManager::onUpdate(const float frameTime) {
    m_timers.forEachNewestFirst([this, frameTime](TimerBase& timer) { tick(timer, frameTime); });
}

void TimerBase::TimerManager::destroyed(TimerBase* const timer) {
    std::replace(m_firing.begin(), m_firing.end(), timer, static_cast<TimerBase*>(nullptr));
}

void TimerBase::TimerManager::tick(TimerBase& timer, const float frameTime) {
    if (timer.m_pauseCount != 0) {
        return;
    }
    timer.m_timePassed += frameTime;
    if (timer.m_timeUntilFire > frameTime) {
        timer.m_timeUntilFire -= frameTime;
        return;
    }
    // What is left of the frame time beyond the expiry is not carried over.
    timer.m_timeUntilFire = timer.m_repeatDelay;
    if (timer.m_repeatDelay == 0.0f) {
        m_timers.remove(&timer);
    }
    m_firing.push_back(&timer);
    timer.fire();
    if (m_firing.back() != nullptr) {
        timer.m_timePassed = 0.0f;
    }
    m_firing.pop_back();
}

} // namespace Game
