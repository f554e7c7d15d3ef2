#include "Game/MouseWheel.h"

namespace Game {

bool MouseWheel::scroll(const double offset) {
    const int before = position();
    m_offsetSum += offset;
    return position() != before;
}

int MouseWheel::takeChange() {
    const int change = position() - m_reportedPosition;
    m_reportedPosition = position();
    return change;
}

} // namespace Game
