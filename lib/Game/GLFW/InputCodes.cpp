#include "Game/GLFW/InputCodes.h"

#include "Devices/Keyboard.h"

#include <GLFW/glfw3.h>

#include <cctype>

namespace Game {

namespace {

struct KeyCode {
    int glfwKey;
    unsigned char code;
};

// GLFW 3 numbers its keypad DECIMAL, DIVIDE, ..., ENTER, EQUAL, while the codes run KP/, KP*,
// KP-, KP+, KP., KP=, KP RET, so the keypad is listed key by key rather than as an offset.
constexpr KeyCode KEY_CODES[] = {
    {GLFW_KEY_ESCAPE, 27},       {GLFW_KEY_UP, 6},
    {GLFW_KEY_DOWN, 7},          {GLFW_KEY_LEFT, 4},
    {GLFW_KEY_RIGHT, 5},         {GLFW_KEY_ENTER, 13},
    {GLFW_KEY_BACKSPACE, 11},    {GLFW_KEY_INSERT, 10},
    {GLFW_KEY_DELETE, 12},       {GLFW_KEY_PAGE_UP, 13},
    {GLFW_KEY_PAGE_DOWN, 14},    {GLFW_KEY_HOME, 8},
    {GLFW_KEY_END, 9},           {GLFW_KEY_KP_0, 128},
    {GLFW_KEY_KP_1, 129},        {GLFW_KEY_KP_2, 130},
    {GLFW_KEY_KP_3, 131},        {GLFW_KEY_KP_4, 132},
    {GLFW_KEY_KP_5, 133},        {GLFW_KEY_KP_6, 134},
    {GLFW_KEY_KP_7, 135},        {GLFW_KEY_KP_8, 136},
    {GLFW_KEY_KP_9, 137},        {GLFW_KEY_KP_DIVIDE, 138},
    {GLFW_KEY_KP_MULTIPLY, 139}, {GLFW_KEY_KP_SUBTRACT, 140},
    {GLFW_KEY_KP_ADD, 141},      {GLFW_KEY_KP_DECIMAL, 142},
    {GLFW_KEY_KP_EQUAL, 143},    {GLFW_KEY_KP_ENTER, 144},
};

struct ModifierKeys {
    int bit;
    int rightKey;
    int leftKey;
};

constexpr ModifierKeys MODIFIER_KEYS[] = {
    {Devices::Keyboard::SHIFT, GLFW_KEY_RIGHT_SHIFT, GLFW_KEY_LEFT_SHIFT},
    {Devices::Keyboard::ALT, GLFW_KEY_RIGHT_ALT, GLFW_KEY_LEFT_ALT},
    {Devices::Keyboard::CTRL, GLFW_KEY_RIGHT_CONTROL, GLFW_KEY_LEFT_CONTROL},
};

} // namespace

unsigned char keyCodeFor(const int glfwKey) {
    for (const KeyCode& entry : KEY_CODES) {
        if (entry.glfwKey == glfwKey) {
            return entry.code;
        }
    }
    // Checked before tolower, which would turn GLFW_KEY_UNKNOWN (-1, EOF) into code 255. Keys
    // 161 and 162 (the non-US keys) pass through as codes of their own.
    if (glfwKey < 0 || glfwKey > 255) {
        return 0;
    }
    return static_cast<unsigned char>(std::tolower(glfwKey));
}

int modifierBitsFor(const std::function<bool(int glfwKey)>& isDown) {
    int bits = Devices::Keyboard::NONE;
    for (const ModifierKeys& keys : MODIFIER_KEYS) {
        if (isDown(keys.rightKey) || isDown(keys.leftKey)) {
            bits |= keys.bit;
        }
    }
    return bits;
}

int mouseButtonCode(const int glfwButton) {
    switch (glfwButton) {
    case GLFW_MOUSE_BUTTON_LEFT:
        return 1;
    case GLFW_MOUSE_BUTTON_RIGHT:
        return 2;
    case GLFW_MOUSE_BUTTON_MIDDLE:
        return 4;
    default:
        return 0;
    }
}

} // namespace Game
