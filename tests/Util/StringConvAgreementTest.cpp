// Util::strToNum and Util::numToStr against the plain string-stream conversions they
// replace, on hand-picked input: the same value bit for bit, the same text or the same
// error. The fuzz target StringConvFuzz compares them on generated input.
#include "Support/StreamConv.h"

#include "Util/NumToStr.h"
#include "Util/StrToNum.h"
#include "Util/StringUtils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using StreamConv::outcomeOf;

template <typename T, typename... Base>
std::string strToNum(const std::string& text, const Base... base) {
    return outcomeOf<T>([&] { return Util::strToNum<T>(text, base...); });
}

constexpr int BASES[] = {8, 10, 16, 0, 2, -1};

// Signs, prefixes, blanks, the limits of every type and of long, hexadecimal digits in
// both cases, float grammar and where its reading stops, rounding, over- and underflow,
// and what from_chars or strtof would take but the stream does not gather.
const char* const HAND_PICKED =
    "| |\t\n\v\f\r|abc|0|-0|+0|-|+|+-5|-+5|- 5|0x|0X|0X1F|-0x1f|+0x|0xg|00x5|0x0x5|0x-5|x5|010|"
    "08|007|12abc|\v7|\xa0"
    "7|2147483648|-2147483648|-2147483649|4294967295|4294967296|-4294967295|-4294967296|"
    "99999999999999999999|9223372036854775807|9223372036854775808|-9223372036854775809|"
    "18446744073709551616|32767|32768|-32768|-32769|7fff|8000|0xffffffff|0x100000000|"
    "0xFfFf|ABCDEF|abcdefg|ffffffff|100000000|7fffffff|80000000|-80000000|37777777777|"
    "40000000000|1.5e3|1.5.2|.5|-.5|+.5|.|-.|+.|.e5|e5|0.|5.e3|1.e|1e40|-1e40|1e-40|1e-50|"
    "-1e-50|1.5e|1.5E|1.5e3x|1.5e+|1e+|1e+-5|1E5|1e5e3|1e+5e3|1E-5e|12e3.5|1.5e-3.2|"
    "00012.5000|0e|1e0005|3.4028235e38|3.40282357e38|3.4028236e38|-3.4028236e38|1e-45|"
    "7.006e-46|7.0065e-46|1.1754943e-38|1e9999999999|1e-9999999999|"
    "340282366920938463463374607431768211455|inf|+inf|-inf|nan|-nan|0x1p3|1,5|\xff|16777217|"
    "0.000000000000000000000000000000000000000000001401298464324817070923729583289916";

std::vector<std::string> handPickedTexts() {
    std::vector<std::string> texts{std::string("1\0002", 3)};
    Util::splitString(HAND_PICKED, "|", texts, true, false);
    return texts;
}

template <typename T>
void expectStrToNumAgreement() {
    for (const std::string& text : handPickedTexts()) {
        const std::string quoted = ::testing::PrintToString(text);
        EXPECT_EQ(strToNum<T>(text), outcomeOf<T>([&] { return StreamConv::strToNum<T>(text); }))
            << quoted;
        for (const int base : BASES) {
            EXPECT_EQ(strToNum<T>(text, base),
                      outcomeOf<T>([&] { return StreamConv::strToNum<T>(text, base); }))
                << quoted << " base " << base;
        }
    }
}

template <typename T>
void expectNumToStrAgreement(const std::vector<T>& values, const std::vector<int>& precisions) {
    for (const T value : values) {
        for (const int base : BASES) {
            for (const int width : {0, 1, 5, 12, 70, -3}) {
                for (const int precision : precisions) {
                    EXPECT_EQ(Util::numToStr(value, base, width, precision),
                              StreamConv::numToStr(value, base, width, precision))
                        << value << " base " << base << " width " << width << " precision "
                        << precision;
                }
            }
        }
    }
}

} // namespace

TEST(StrToNum, FailureNamesTheWholeText) {
    EXPECT_EQ(strToNum<int>("  abc"), "Cant convert String to Num:  abc");
    EXPECT_EQ(strToNum<short>("40000", 10), "Cant convert String to Num:40000");
}

// Nothing in the system catches the conversion error: it ends the process through the
// standard termination path, which names the exception and its text.
static void convertUncaught(const std::string& text) noexcept {
    Util::strToNum<int>(text);
}

TEST(StrToNumDeathTest, UncaughtErrorEndsTheProcessThroughTerminate) {
    EXPECT_DEATH(convertUncaught("abc"),
                 "terminate called after throwing an instance of 'std::domain_error'\n"
                 "  what\\(\\):  Cant convert String to Num:abc");
}

TEST(StrToNumAgreesWithStream, ForEveryTypeAndBase) {
    expectStrToNumAgreement<float>();
    expectStrToNumAgreement<int>();
    expectStrToNumAgreement<short>();
    expectStrToNumAgreement<unsigned int>();
    expectStrToNumAgreement<unsigned long>();
}

TEST(NumToStrAgreesWithStream, ForIntsAndFloats) {
    expectNumToStrAgreement<int>({0, 8, -1, 42, -42, 255, 99999, 100000,
                                  std::numeric_limits<int>::min(), std::numeric_limits<int>::max()},
                                 {-1, 3});
    const float infinity = std::numeric_limits<float>::infinity();
    const float largest = std::numeric_limits<float>::max();
    expectNumToStrAgreement<float>({0.0f, -0.0f, 1.5f, -4.0f, 0.333333f, 1e6f, 999999.5f, 123456.5f,
                                    2.5e-5f, 1e-7f, 0.005f, 1.0005f, largest,
                                    std::numeric_limits<float>::denorm_min(), infinity, -infinity,
                                    std::nanf(""), -std::nanf("")},
                                   {-1, -2, 0, 1, 2, 3, 6, 17, 45, 120});
}
