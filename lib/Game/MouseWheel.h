#pragma once

namespace Game {

// The mouse wheel as an absolute position built from GLFW's scroll offsets, one notch being
// 1, and the change of that position since it was last reported.
class MouseWheel {
public:
    // Adds a vertical scroll offset; true when the whole position changed.
    bool scroll(double offset);
    // The whole position minus the one at the previous call (0 at the first).
    int takeChange();

private:
    int position() const { return static_cast<int>(m_offsetSum); }

    // Fractions add up too: a smooth-scrolling device moves the position once their sum
    // crosses a whole notch.
    double m_offsetSum = 0.0;
    int m_reportedPosition = 0;
};

} // namespace Game
