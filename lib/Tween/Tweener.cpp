#include "Tween/Tweener.h"

namespace Tween {

Tweener::Tweener(const Easer* const easer, const float start, const float change,
                 const float duration)
    : m_easer(easer), m_start(start), m_change(change), m_duration(duration), m_elapsed(0.0f) {}

bool Tweener::isFinished() const {
    return m_duration <= 0.0f || m_elapsed == m_duration;
}

float Tweener::getValue() const {
    if (m_easer == nullptr) {
        return m_start;
    }
    if (m_duration <= 0.0f) {
        return static_cast<float>(static_cast<double>(m_start) + m_change);
    }
    return (*m_easer)(m_elapsed, m_start, m_change, m_duration);
}

// The upper bound is applied first and a failed comparison takes the duration, so a sum that
// is not a number stops the tween at its end; a negative duration keeps the elapsed time at 0.
void Tweener::onUpdate(const float& dt) {
    const double sum = static_cast<double>(m_elapsed) + dt;
    const double upper = m_duration > sum ? sum : m_duration;
    m_elapsed = static_cast<float>(upper >= 0.0 ? upper : 0.0);
}

} // namespace Tween
