#include "Game/TimerBase.h"

#include "Game/TimerManager.h"

namespace Game {

// The manager is built before the first timer, so that it outlives timers that are
// process-wide objects themselves.
TimerBase::TimerBase() {
    TimerManager::instance();
}

TimerBase::~TimerBase() {
    stop();
    TimerManager::instance().destroyed(this);
}

void TimerBase::start(const float delay, const float repeatDelay) {
    m_timePassed = 0.0f;
    if (delay == 0.0f) {
        return;
    }
    const bool wasRunning = isActive();
    m_timeUntilFire = delay;
    m_repeatDelay = repeatDelay;
    m_pauseCount = 0;
    if (!wasRunning) {
        TimerManager::instance().started(this);
    }
}

void TimerBase::stop() {
    if (!isActive()) {
        return;
    }
    halt();
    TimerManager::instance().stopped(this);
}

void TimerBase::pause() {
    if (isActive()) {
        ++m_pauseCount;
    }
}

void TimerBase::resume(const bool all) {
    if (m_pauseCount > 0) {
        m_pauseCount = all ? 0 : m_pauseCount - 1;
    }
}

void TimerBase::halt() {
    m_timeUntilFire = 0.0f;
    m_pauseCount = 0;
}

void TimerBase::setPause(const bool paused) {
    TimerManager::instance().setPause(paused);
}

void TimerBase::onUpdate(const float frameTime) {
    TimerManager::instance().onUpdate(frameTime);
}

} // namespace Game
