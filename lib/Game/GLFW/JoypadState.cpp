#include "Game/GLFW/JoypadState.h"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <array>

namespace Game {

EVT::Event_Joypad joypadEventFor(const int joystick, const float* const axes, const int axisCount,
                                 const unsigned char* const buttons, const int buttonCount) {
    std::array<float, 2> position{};
    if (axes != nullptr) {
        std::copy_n(axes, std::clamp(axisCount, 0, 2), position.begin());
    }
    std::array<bool, 4> pressed{};
    if (buttons != nullptr) {
        std::transform(buttons, buttons + std::clamp(buttonCount, 0, 4), pressed.begin(),
                       [](const unsigned char state) { return state == GLFW_PRESS; });
    }
    // GLFW 3 reports the second axis with positive meaning down; the games expect up.
    return EVT::Event_Joypad(joystick, static_cast<int>(position[0]),
                             static_cast<int>(-position[1]), pressed);
}

} // namespace Game
