#pragma once

namespace Tween {

// An easing curve: the value at elapsed time t of a change c from b over the duration d.
// Easers are process-wide objects without state, never deleted through this interface.
class Easer {
public:
    virtual float operator()(float t, float b, float c, float d) const = 0;

protected:
    ~Easer() = default;
};

} // namespace Tween
