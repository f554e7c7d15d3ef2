#include "Util/NumToStr.h"

#include <gtest/gtest.h>

#include <limits>

TEST(NumToStr, WidthPadsWithZerosBeforeTheSign) {
    EXPECT_EQ(Util::numToStr(42, 10, 5, -1), "00042");
    EXPECT_EQ(Util::numToStr(-42, 10, 5, -1), "00-42");
    EXPECT_EQ(Util::numToStr(123456, 10, 5, -1), "123456");
    EXPECT_EQ(Util::numToStr(7, 10, -3, -1), "7");
    EXPECT_EQ(Util::numToStr(-1.5f, 10, 6, 1), "00-1.5");
}

TEST(NumToStr, HexPrefixIsNotCountedInTheWidth) {
    EXPECT_EQ(Util::numToStr(255, 16, 4, -1), "0x00ff");
    EXPECT_EQ(Util::numToStr(-1, 16, 0, -1), "0xffffffff");
    EXPECT_EQ(Util::numToStr(1.5f, 16, 0, -1), "0x1.5");
}

TEST(NumToStr, IntInOctalIsUnsignedWithoutLeadingZero) {
    EXPECT_EQ(Util::numToStr(8, 8, 0, -1), "10");
    EXPECT_EQ(Util::numToStr(-1, 8, 0, -1), "37777777777");
    EXPECT_EQ(Util::numToStr(-8, 2, 0, -1), "-8");
    EXPECT_EQ(Util::numToStr(std::numeric_limits<int>::min(), 10, 0, 3), "-2147483648");
}

TEST(NumToStr, FloatWithoutPrecisionHasSixSignificantDigits) {
    EXPECT_EQ(Util::numToStr(1.5f, 10, 0, -1), "1.5");
    EXPECT_EQ(Util::numToStr(1000000.0f, 10, 0, -1), "1e+06");
    EXPECT_EQ(Util::numToStr(1.0f / 3.0f, 10, 0, -1), "0.333333");
    EXPECT_EQ(Util::numToStr(-4.0f, 10, 0, -1), "-4");
    EXPECT_EQ(Util::numToStr(0.0001f, 10, 0, -1), "0.0001");
    EXPECT_EQ(Util::numToStr(0.00001f, 10, 0, -1), "1e-05");
}

TEST(NumToStr, FloatWithPrecisionIsFixed) {
    EXPECT_EQ(Util::numToStr(1.5f, 10, 0, 2), "1.50");
    EXPECT_EQ(Util::numToStr(2.5f, 10, 0, 0), "2");
    EXPECT_EQ(Util::numToStr(1e20f, 10, 0, 1), "100000002004087734272.0");
    EXPECT_EQ(Util::numToStr(0.1f, 10, 0, -2), "0.100000");
    EXPECT_EQ(Util::numToStr(-std::numeric_limits<float>::infinity(), 10, 6, 2), "00-inf");
}
