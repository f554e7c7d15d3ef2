#pragma once

namespace Game {

// Measures the main loop's frame time: the scaled milliseconds between one pass and the
// previous, the first pass counting from time 0.
class FrameClock {
public:
    // speed scales every frame time (0.5: half speed).
    explicit FrameClock(const float speed) : m_speed(speed) {}

    // The frame time of a pass that starts at `now` (seconds).
    float passAt(double now);
    // Makes the next pass's frame time 0.
    void reset() { m_reset = true; }

private:
    float m_speed;
    double m_previous = 0.0;
    bool m_reset = false;
};

} // namespace Game
