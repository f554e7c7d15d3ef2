#pragma once

#include "Tween/Easer.h"
#include "Tween/I_Tweener.h"

namespace Tween {

// Eases a float from start by change over duration with an easer it does not own.
// A tweener without an easer (a name the easer store does not know gives none) holds its
// start value; one whose duration is 0 or below is finished at once at start + change.
class Tweener : public I_Tweener {
public:
    Tweener(const Easer* easer, float start, float change, float duration);

    bool isFinished() const override;
    float getValue() const override;
    void onUpdate(const float& dt) override;
    float getDuration() const override { return m_duration; }
    void reset() override { m_elapsed = 0.0f; }

private:
    const Easer* m_easer;
    float m_start;
    float m_change;
    float m_duration;
    float m_elapsed;
};

} // namespace Tween
