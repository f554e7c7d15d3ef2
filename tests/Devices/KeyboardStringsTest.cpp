#include "Devices/KeyboardStrings.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

// The rules behind the table rather than the table: a code reads back as its last name, an
// earlier name still leads to it, unprintable codes are named in hexadecimal.
TEST(KeyboardStringsTest, NamesLeadToCodesAndCodesReadAsTheirLastName) {
    const auto& keys = Devices::KeyboardStrings::instance().keyMapping();
    EXPECT_EQ(keys.findB(13), "RETURN");
    EXPECT_EQ(keys.findA("PAGE UP"), 13);
    EXPECT_EQ(keys.findA("0xd"), 13);
    EXPECT_EQ(keys.findB(32), "SPACE");
    EXPECT_EQ(keys.findA(" "), 32);
    EXPECT_EQ(keys.findB(65), "A");
    EXPECT_EQ(keys.findB(200), "0xc8");
    EXPECT_EQ(keys.findA("space"), 0);
    const auto& modifiers = Devices::KeyboardStrings::instance().modMapping();
    EXPECT_EQ(modifiers.findA("CTRL+ALT+SHIFT"), 7);
    EXPECT_EQ(modifiers.findB(Devices::Keyboard::ALT), "ALT");
    EXPECT_EQ(modifiers.findA("SHIFT+ALT"), Devices::Keyboard::INVALID);
    EXPECT_EQ(modifiers.findB(static_cast<Devices::Keyboard::Modifiers>(8)), "INVALID");
}

// The special names in the order they are given; a later one is the name its code reads as.
const std::pair<const char*, int> SPECIAL_KEYS[] = {
    {"DQUOTE", 34},  {"COMMA", 44},  {"SPACE", 32},     {"SHIFT", 1},   {"ALT", 2},
    {"LEFT", 4},     {"RIGHT", 5},   {"UP", 6},         {"DOWN", 7},    {"HOME", 8},
    {"END", 9},      {"INSERT", 10}, {"BACKSPACE", 11}, {"DELETE", 12}, {"PAGE UP", 13},
    {"PAGE DN", 14}, {"ESC", 27},    {"RETURN", 13},    {"KP0", 128},   {"KP1", 129},
    {"KP2", 130},    {"KP3", 131},   {"KP4", 132},      {"KP5", 133},   {"KP6", 134},
    {"KP7", 135},    {"KP8", 136},   {"KP9", 137},      {"KP/", 138},   {"KP*", 139},
    {"KP-", 140},    {"KP+", 141},   {"KP.", 142},      {"KP=", 143},   {"KP RET", 144}};

// Every code from 0 to 255 against its name as the C library prints it, and every name a code
// was ever given leading back to it, the special ones included.
TEST(KeyboardStringsTest, EveryCodeAndEveryNameOfItReadBackAsEachOther) {
    const auto& keys = Devices::KeyboardStrings::instance().keyMapping();
    std::vector<std::string> names[256];
    for (int code = 0; code < 256; ++code) {
        char hex[8];
        std::snprintf(hex, sizeof(hex), "0x%x", static_cast<unsigned int>(code));
        names[code].push_back(std::isprint(code) ? std::string(1, static_cast<char>(code)) : hex);
    }
    for (const auto& [name, code] : SPECIAL_KEYS) {
        names[code].push_back(name);
    }
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(keys.findB(static_cast<unsigned char>(code)), names[code].back()) << code;
        for (const std::string& name : names[code]) {
            EXPECT_EQ(keys.findA(name), code) << '"' << name << '"';
        }
    }
}

TEST(KeyboardStringsTest, EachModifierSetAndItsNameReadBackAsEachOther) {
    const auto& modifiers = Devices::KeyboardStrings::instance().modMapping();
    const char* const NAMES[] = {"NONE", "SHIFT",      "ALT",      "ALT+SHIFT",
                                 "CTRL", "CTRL+SHIFT", "CTRL+ALT", "CTRL+ALT+SHIFT"};
    for (int set = 0; set < 8; ++set) {
        const auto modifier = static_cast<Devices::Keyboard::Modifiers>(set);
        EXPECT_EQ(modifiers.findB(modifier), NAMES[set]) << set;
        EXPECT_EQ(modifiers.findA(NAMES[set]), modifier) << NAMES[set];
    }
}

} // namespace
