#pragma once

#include "EVT/Event_Joypad.h"

// Turns what GLFW reports of a joystick into the joypad event of the main loop.
namespace Game {

// The joypad event of joystick number `joystick` from GLFW's axes and buttons, either of which
// may be null or shorter than needed: a missing axis reads 0 and a missing button released.
// The second axis is reported with positive meaning up.
EVT::Event_Joypad joypadEventFor(int joystick, const float* axes, int axisCount,
                                 const unsigned char* buttons, int buttonCount);

} // namespace Game
