// Util::strToNum and Util::numToStr against the plain string-stream conversions they
// replace, on hand-picked and generated input: the same value bit for bit, the same text
// or the same error.
#include "../../bench/StringConvBench.h"

#include "Util/NumToStr.h"
#include "Util/StrToNum.h"
#include "Util/StringUtils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// The value converted, a float by its bits, or the error's text.
template <typename T, typename Conversion>
std::string outcomeOf(const Conversion conversion) {
    try {
        const T value = conversion();
        std::conditional_t<std::is_same_v<T, float>, std::uint32_t, T> bits{};
        std::memcpy(&bits, &value, sizeof bits);
        return std::to_string(bits);
    } catch (const std::domain_error& error) {
        return error.what();
    }
}

template <typename T, typename... Base>
std::string strToNum(const std::string& text, const Base... base) {
    return outcomeOf<T>([&] { return Util::strToNum<T>(text, base...); });
}

constexpr int BASES[] = {8, 10, 16, 0, 2, -1};

// Signs, prefixes, blanks, the limits of every type and of long, float grammar, rounding,
// over- and underflow, and what strtof would take but the stream does not gather.
const char* const HAND_PICKED =
    "| |\t\n\v\f\r|abc|0|-0|+0|-|+|+-5|-+5|- 5|0x|0X|0X1F|-0x1f|+0x|0xg|00x5|0x0x5|x5|010|08|"
    "007|12abc|\v7|\xa0"
    "7|2147483648|-2147483648|-2147483649|4294967295|4294967296|-4294967295|-4294967296|"
    "9223372036854775807|9223372036854775808|-9223372036854775809|18446744073709551616|"
    "32767|32768|-32768|-32769|7fff|8000|0xffffffff|7fffffff|80000000|-80000000|37777777777|"
    "1.5e3|1.5.2|.5|-.5|+.5|.|-.|.e5|e5|0.|5.e3|1e40|-1e40|1e-40|1e-50|-1e-50|1.5e|1.5E|"
    "1.5e3x|1.5e+|1e+-5|1E5|1e5e3|1.5e-3.2|00012.5000|0e|1e0005|3.4028235e38|3.40282357e38|"
    "3.4028236e38|-3.4028236e38|1e-45|7.006e-46|7.0065e-46|1.1754943e-38|1e9999999999|"
    "1e-9999999999|340282366920938463463374607431768211455|inf|nan|0x1p3|1,5|\xff|16777217|"
    "0.000000000000000000000000000000000000000000001401298464324817070923729583289916";

std::mt19937 l_random(20240606);

float randomFloat() {
    const auto bits = static_cast<std::uint32_t>(l_random());
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Random texts over the characters that matter to reading a number, then integers near
// every limit and floats in printf's formats.
std::vector<std::string> makeTexts() {
    std::vector<std::string> texts{std::string("1\0002", 3)};
    Util::splitString(HAND_PICKED, "|", texts, true, false);
    const std::string alphabet("01234567890123456789000abcdefABCDEFxXeE.+- \t\v\0g", 47);
    for (int i = 0; i < 60000; ++i) {
        std::string text;
        for (auto length = l_random() % 14; length > 0; --length) {
            text += alphabet[l_random() % alphabet.size()];
        }
        texts.push_back(text);
    }
    const char* const prefixes[] = {"", "-", "0x", "-0x", "0", " +"};
    const char* const formats[] = {"%.9g", "%.6g", "%.12e", "%.3f", "%.40f", "%a"};
    char printed[128];
    for (int i = 0; i < 8000; ++i) {
        const auto wide = static_cast<std::int64_t>(std::uint64_t{l_random()} << 32 | l_random());
        texts.push_back(prefixes[i % 6] + std::to_string(wide >> (l_random() % 64)));
        std::snprintf(printed, sizeof printed, formats[i % 6], double{randomFloat()});
        texts.push_back(printed);
        std::snprintf(printed, sizeof printed, "%.8fe%d",
                      static_cast<double>(l_random() % 100000) / 1e3, i % 99 - 50);
        texts.push_back(printed);
    }
    return texts;
}

// Reports the first mismatches, each with what was converted and both outcomes.
void compare(const std::string& ours, const std::string& stream, const std::string& what,
             int& mismatches) {
    if (ours != stream && ++mismatches <= 20) {
        ADD_FAILURE() << what << ": ours " << ours << ", stream " << stream;
    }
}

template <typename T>
void expectStrToNumAgreement() {
    static const std::vector<std::string> l_texts = makeTexts();
    int mismatches = 0;
    for (const std::string& text : l_texts) {
        const std::string quoted = ::testing::PrintToString(text);
        compare(strToNum<T>(text), outcomeOf<T>([&] { return StreamConv::strToNum<T>(text); }),
                quoted, mismatches);
        for (const int base : BASES) {
            compare(strToNum<T>(text, base),
                    outcomeOf<T>([&] { return StreamConv::strToNum<T>(text, base); }),
                    quoted + " base " + std::to_string(base), mismatches);
        }
    }
}

template <typename T>
void expectNumToStrAgreement(const std::vector<T>& values, const std::vector<int>& precisions) {
    const int widths[] = {0, 0, 1, 5, 12, 70, -3};
    int mismatches = 0;
    for (const T value : values) {
        const int base = BASES[l_random() % 6];
        const int width = widths[l_random() % 7];
        const int precision = precisions[l_random() % precisions.size()];
        compare(Util::numToStr(value, base, width, precision),
                StreamConv::numToStr(value, base, width, precision),
                ::testing::PrintToString(value) + " base " + std::to_string(base) + " width " +
                    std::to_string(width) + " precision " + std::to_string(precision),
                mismatches);
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
    std::vector<int> ints = {0, -1, std::numeric_limits<int>::min()};
    const float infinity = std::numeric_limits<float>::infinity();
    std::vector<float> floats = {
        -0.0f,     1e6f,          999999.5f,      infinity,
        -infinity, std::nanf(""), -std::nanf(""), std::numeric_limits<float>::denorm_min()};
    for (int i = 0; i < 40000; ++i) {
        ints.push_back(static_cast<int>(l_random()) >> (l_random() % 32));
        const float value = randomFloat();
        floats.push_back(i % 2 == 0 ? value : std::round(std::fmod(value, 1e7f)) / 1000.0f);
    }
    expectNumToStrAgreement(ints, {-1, 3});
    expectNumToStrAgreement(floats, {-1, -1, -1, -2, 0, 1, 2, 3, 6, 9, 17, 30, 45, 60, 120});
}
