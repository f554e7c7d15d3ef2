#include "Util/TwoWayMapping.h"

#include <gtest/gtest.h>

#include <string>

namespace {

enum Modifiers : unsigned { SHIFT = 1, ALT = 2, CTRL = 4, INVALID_MODIFIER = 0xffff };

TEST(TwoWayMappingTest, CodeNamedTwiceReadsBackAsTheLastNameAndBothNamesAsTheCode) {
    Util::TwoWayMapping<unsigned char, std::string> keys(0, "");
    keys.add(13, "PAGE UP");
    keys.add(13, "RETURN");
    EXPECT_EQ(keys.findB(13), "RETURN");
    EXPECT_EQ(keys.findA("RETURN"), 13);
    EXPECT_EQ(keys.findA("PAGE UP"), 13);
}

TEST(TwoWayMappingTest, AbsentEntriesGiveTheNullValues) {
    Util::TwoWayMapping<Modifiers, std::string> modifiers(INVALID_MODIFIER, "INVALID");
    modifiers.add(SHIFT, "SHIFT");
    modifiers.add(ALT, "ALT");
    EXPECT_EQ(modifiers.findA("CTRL"), INVALID_MODIFIER);
    EXPECT_EQ(modifiers.findB(CTRL), "INVALID");
    EXPECT_EQ(modifiers.findA("ALT"), ALT);
}

} // namespace
