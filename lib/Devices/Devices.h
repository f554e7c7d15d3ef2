#pragma once

// The process-wide device registry, through which the game's states find the installed
// input devices. Nothing in it is owned. Only the keyboard has a class in this system;
// the screen, mouse and joypad slots are there for games that bring their own devices.
namespace Devices {

class Screen;
class Keyboard;
class Mouse;
class Joypad;

// Each setter replaces the installed device; each getter gives it, null while none is.
void setScreen(Screen* screen);
void setKeyboard(Keyboard* keyboard);
void setMouse(Mouse* mouse);
void setJoypad(Joypad* joypad);

Screen* getScreen();
Keyboard* getKeyboard();
Mouse* getMouse();
Joypad* getJoypad();

} // namespace Devices
