#pragma once

// The process-wide device registry, through which the game's states find the installed
// keyboard. Nothing in it is owned.
namespace Devices {

class Keyboard;

// Replaces the installed keyboard.
void setKeyboard(Keyboard* keyboard);
// The installed keyboard, null while none is.
Keyboard* getKeyboard();

} // namespace Devices
