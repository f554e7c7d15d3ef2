#include "Util/StrToNum.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

template <typename T, typename... Base>
std::string failureOf(const std::string& text, const Base... base) {
    try {
        Util::strToNum<T>(text, base...);
    } catch (const std::domain_error& error) {
        return error.what();
    }
    return "no error";
}

// Nothing in the system catches the conversion error.
void convertUncaught(const std::string& text) noexcept {
    Util::strToNum<int>(text);
}

} // namespace

TEST(StrToNum, HexPrefixIsLowerCase0xOnly) {
    EXPECT_EQ(Util::strToNum<int>("0x1F"), 31);
    EXPECT_EQ(Util::strToNum<int>("0x1f"), 31);
    EXPECT_EQ(Util::strToNum<int>("0X1F"), 0);
    EXPECT_EQ(Util::strToNum<int>("-0x10"), 0);
    EXPECT_EQ(failureOf<int>("0x"), "Cant convert String to Num:0x");
}

TEST(StrToNum, SkipsLeadingBlanksAndIgnoresTrailingText) {
    EXPECT_EQ(Util::strToNum<int>("12abc"), 12);
    EXPECT_EQ(Util::strToNum<int>("  7"), 7);
    EXPECT_EQ(Util::strToNum<int>("\t\n\v\f\r+7 8"), 7);
    EXPECT_EQ(Util::strToNum<int>("-5"), -5);
    EXPECT_EQ(Util::strToNum<int>("2.5"), 2);
    EXPECT_EQ(Util::strToNum<int>(""), 0);
    EXPECT_EQ(Util::strToNum<float>(""), 0.0f);
}

TEST(StrToNum, TextWithoutLeadingNumberThrowsWithTheText) {
    EXPECT_EQ(failureOf<int>("abc"), "Cant convert String to Num:abc");
    EXPECT_EQ(failureOf<int>("   "), "Cant convert String to Num:   ");
    EXPECT_EQ(failureOf<int>("- 5"), "Cant convert String to Num:- 5");
    EXPECT_EQ(failureOf<float>("x", 10), "Cant convert String to Num:x");
}

TEST(StrToNum, NumberBeyondTheTypeThrows) {
    EXPECT_EQ(Util::strToNum<int>("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(failureOf<int>("2147483648"), "Cant convert String to Num:2147483648");
    EXPECT_EQ(failureOf<int>("0xffffffff"), "Cant convert String to Num:0xffffffff");
    EXPECT_EQ(Util::strToNum<short>("-32768", 10), -32768);
    EXPECT_EQ(failureOf<short>("40000", 10), "Cant convert String to Num:40000");
    EXPECT_EQ(failureOf<float>("1e40"), "Cant convert String to Num:1e40");
}

TEST(StrToNum, FloatReadsDecimalTextOnly) {
    EXPECT_EQ(Util::strToNum<float>("1.5e3"), 1500.0f);
    EXPECT_EQ(Util::strToNum<float>("1.5e3x"), 1500.0f);
    EXPECT_EQ(Util::strToNum<float>("1.5.2"), 1.5f);
    EXPECT_EQ(Util::strToNum<float>(".5"), 0.5f);
    EXPECT_EQ(Util::strToNum<float>("0x10"), 0.0f);
    EXPECT_EQ(Util::strToNum<float>("12ff", 16), 12.0f);
    EXPECT_EQ(Util::strToNum<float>("1e-50"), 0.0f);
    EXPECT_EQ(failureOf<float>("1.5e"), "Cant convert String to Num:1.5e");
    EXPECT_EQ(failureOf<float>("inf"), "Cant convert String to Num:inf");
}

TEST(StrToNum, ExplicitBaseFixesOrClearsTheBase) {
    EXPECT_EQ(Util::strToNum<int>("17", 8), 15);
    EXPECT_EQ(failureOf<int>("8", 8), "Cant convert String to Num:8");
    EXPECT_EQ(Util::strToNum<int>("ff", 16), 255);
    EXPECT_EQ(Util::strToNum<int>("0xff", 16), 255);
    EXPECT_EQ(Util::strToNum<int>("-0X10", 16), -16);
    EXPECT_EQ(Util::strToNum<int>("0x10", 10), 0);
    EXPECT_EQ(Util::strToNum<int>("010", 2), 8);
    EXPECT_EQ(Util::strToNum<int>("0x1f", 2), 31);
    EXPECT_EQ(Util::strToNum<int>("0X1F", 2), 31);
    EXPECT_EQ(Util::strToNum<int>("09", 2), 0);
}

TEST(StrToNum, UnsignedTypesWrapAMinusModulo2To32) {
    EXPECT_EQ(Util::strToNum<unsigned int>("-1"), 4294967295u);
    EXPECT_EQ(Util::strToNum<unsigned long>("-1"), 4294967295ul);
    EXPECT_EQ(Util::strToNum<unsigned long>("-4294967295"), 1ul);
    EXPECT_EQ(Util::strToNum<unsigned long>("0xffffffff"), 4294967295ul);
    EXPECT_EQ(failureOf<unsigned long>("4294967296"), "Cant convert String to Num:4294967296");
}

TEST(StrToNumDeathTest, UncaughtErrorEndsTheProcessThroughTerminate) {
    EXPECT_DEATH(convertUncaught("abc"),
                 "terminate called after throwing an instance of 'std::domain_error'\n"
                 "  what\\(\\):  Cant convert String to Num:abc");
}
