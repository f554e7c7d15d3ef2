#include "Devices/Devices.h"

namespace Devices {
namespace {

Screen* s_pScreen = nullptr;
Keyboard* s_pKeyboard = nullptr;
Mouse* s_pMouse = nullptr;
Joypad* s_pJoypad = nullptr;

} // namespace

void setScreen(Screen* const screen) {
    s_pScreen = screen;
}

void setKeyboard(Keyboard* const keyboard) {
    s_pKeyboard = keyboard;
}

void setMouse(Mouse* const mouse) {
    s_pMouse = mouse;
}

void setJoypad(Joypad* const joypad) {
    s_pJoypad = joypad;
}

Screen* getScreen() {
    return s_pScreen;
}

Keyboard* getKeyboard() {
    return s_pKeyboard;
}

Mouse* getMouse() {
    return s_pMouse;
}

Joypad* getJoypad() {
    return s_pJoypad;
}

} // namespace Devices
