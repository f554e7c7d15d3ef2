#include "Devices/KeyboardStrings.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

const Devices::KeyboardStrings::KeyNames& keys() {
    return Devices::KeyboardStrings::instance().keyMapping();
}

TEST(KeyboardStringsTest, CodeReadsAsItsLastSpecialNameOrItsCharacterOrItsHexValue) {
    const std::pair<int, const char*> names[] = {
        {13, "RETURN"}, {32, "SPACE"}, {34, "DQUOTE"}, {44, "COMMA"},   {1, "SHIFT"},
        {2, "ALT"},     {3, "0x3"},    {128, "KP0"},   {144, "KP RET"}, {0, "0x0"},
        {31, "0x1f"},   {127, "0x7f"}, {200, "0xc8"},  {65, "A"},       {126, "~"}};
    for (const auto& name : names) {
        EXPECT_EQ(keys().findB(static_cast<unsigned char>(name.first)), name.second);
    }
}

TEST(KeyboardStringsTest, EveryNameACodeHadStillLeadsToItAndUnknownNamesToZero) {
    const std::pair<const char*, int> codes[] = {
        {" ", 32},       {"SPACE", 32},  {"\"", 34},  {",", 44},    {"0xd", 13},
        {"PAGE UP", 13}, {"RETURN", 13}, {"0x1", 1},  {"KP/", 138}, {"A", 65},
        {"a", 97},       {"F1", 0},      {"space", 0}};
    for (const auto& code : codes) {
        EXPECT_EQ(keys().findA(code.first), code.second) << code.first;
    }
}

TEST(KeyboardStringsTest, ModifierSetsAndNamesMapBothWaysAndUnknownOnesAreInvalid) {
    const auto& modifiers = Devices::KeyboardStrings::instance().modMapping();
    const std::pair<const char*, int> sets[] = {
        {"NONE", 0}, {"SHIFT", 1},      {"ALT", 2},      {"ALT+SHIFT", 3},
        {"CTRL", 4}, {"CTRL+SHIFT", 5}, {"CTRL+ALT", 6}, {"CTRL+ALT+SHIFT", 7}};
    for (const auto& set : sets) {
        EXPECT_EQ(modifiers.findA(set.first), set.second);
        EXPECT_EQ(modifiers.findB(static_cast<Devices::Keyboard::Modifiers>(set.second)),
                  set.first);
    }
    EXPECT_EQ(modifiers.findA("SHIFT+ALT"), 0xffff);
    EXPECT_EQ(modifiers.findB(static_cast<Devices::Keyboard::Modifiers>(8)), "INVALID");
}

} // namespace
