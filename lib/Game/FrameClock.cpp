#include "Game/FrameClock.h"

namespace Game {

float FrameClock::passAt(const double now) {
    if (m_reset) {
        m_previous = now;
        m_reset = false;
    }
    const float frameTime = static_cast<float>((now - m_previous) * 1000.0 * m_speed);
    m_previous = now;
    return frameTime;
}

} // namespace Game
