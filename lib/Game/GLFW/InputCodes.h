#pragma once

#include <functional>

// The tables that turn GLFW's key, modifier-key and mouse-button numbers into the codes the
// key and mouse events carry.
namespace Game {

// The 8-bit key code of a GLFW key, 0 for a key that raises no key event. Printable keys give
// their lower-case character; the special keys and the keypad have codes of their own.
unsigned char keyCodeFor(int glfwKey);

// The Devices::Keyboard::Modifiers bits (shift 1, alt 2, ctrl 4) of the modifier keys that
// isDown reports held. For each modifier the right-hand key is asked first and the left one
// only when the right one is up: with sticky keys on, asking consumes a key's sticky press.
int modifierBitsFor(const std::function<bool(int glfwKey)>& isDown);

// The button code of mouse events: 1 for the first (left) button, 2 for the second (right), 4
// for the third (middle), 0 for any other.
int mouseButtonCode(int glfwButton);

} // namespace Game
