#include "Devices/KeyboardStrings.h"

#include <gtest/gtest.h>

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

} // namespace
