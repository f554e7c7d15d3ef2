#pragma once

namespace Tween {

// Eases one value over a fixed duration: the owner feeds it elapsed time and reads the value.
class I_Tweener {
public:
    virtual ~I_Tweener() {}

    virtual bool isFinished() const = 0;
    virtual float getValue() const = 0;
    // Moves the elapsed time by dt, kept between 0 and the duration.
    virtual void onUpdate(const float& dt) = 0;
    virtual float getDuration() const = 0;
    // Back to elapsed time 0.
    virtual void reset() = 0;
};

} // namespace Tween
