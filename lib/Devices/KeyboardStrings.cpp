#include "Devices/KeyboardStrings.h"

#include "Util/NumToStr.h"

#include <utility>

namespace Devices {
namespace {

// In this order: a later name of a code is the one the code reads back as, so 13 reads as
// "RETURN" while "PAGE UP" still leads to 13.
const std::pair<const char*, unsigned char> SPECIAL_KEYS[] = {
    {"DQUOTE", 34},  {"COMMA", 44},  {"SPACE", 32},     {"SHIFT", 1},   {"ALT", 2},
    {"LEFT", 4},     {"RIGHT", 5},   {"UP", 6},         {"DOWN", 7},    {"HOME", 8},
    {"END", 9},      {"INSERT", 10}, {"BACKSPACE", 11}, {"DELETE", 12}, {"PAGE UP", 13},
    {"PAGE DN", 14}, {"ESC", 27},    {"RETURN", 13},    {"KP0", 128},   {"KP1", 129},
    {"KP2", 130},    {"KP3", 131},   {"KP4", 132},      {"KP5", 133},   {"KP6", 134},
    {"KP7", 135},    {"KP8", 136},   {"KP9", 137},      {"KP/", 138},   {"KP*", 139},
    {"KP-", 140},    {"KP+", 141},   {"KP.", 142},      {"KP=", 143},   {"KP RET", 144}};

const std::pair<const char*, int> MODIFIER_SETS[] = {
    {"NONE", 0},      {"ALT", 2},        {"CTRL", 4},     {"SHIFT", 1},
    {"ALT+SHIFT", 3}, {"CTRL+SHIFT", 5}, {"CTRL+ALT", 6}, {"CTRL+ALT+SHIFT", 7}};

// The character itself where the C locale prints it, its hexadecimal value otherwise.
std::string codeName(const int code) {
    return code >= 32 && code <= 126 ? std::string(1, static_cast<char>(code))
                                     : Util::numToStr(code, 16, 0, -1);
}

} // namespace

KeyboardStrings::KeyboardStrings()
    : m_modifierNames(Keyboard::INVALID, "INVALID"), m_keyNames(0, "") {
    for (const auto& set : MODIFIER_SETS) {
        m_modifierNames.add(static_cast<Keyboard::Modifiers>(set.second), set.first);
    }
    for (int code = 0; code < 256; ++code) {
        m_keyNames.add(static_cast<unsigned char>(code), codeName(code));
    }
    for (const auto& key : SPECIAL_KEYS) {
        m_keyNames.add(key.second, key.first);
    }
}

} // namespace Devices
