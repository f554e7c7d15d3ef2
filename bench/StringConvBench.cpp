// Util::strToNum and Util::numToStr beside std::from_chars and std::to_chars doing the same
// work: 1024 texts or values of each kind, converted in turn so that no single input is
// learnt by the branch predictor. The from_chars side is told the base and skips the "0x"
// itself; the to_chars side builds the same std::string, zero padding included. Before
// timing, both sides convert every input and must give the same results. One benchmark per
// kind times both sides over all inputs within every iteration, the side that goes first
// alternating, so that their ratio compares runs under the same conditions: separate
// benchmarks drift apart on a shared machine by more than the difference measured.
// Counters: nanoseconds per conversion of each side, and ours/peer.
#include "SecondsOf.h"
#include "Util/NumToStr.h"
#include "Util/StrToNum.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kInputs = 1024;

std::uint32_t draw() {
    static std::mt19937 l_random(1024);
    return static_cast<std::uint32_t>(l_random());
}

template <typename Make>
auto generate(const Make make) {
    std::vector<decltype(make())> inputs;
    for (int i = 0; i < kInputs; ++i) {
        inputs.push_back(make());
    }
    return inputs;
}

// What a configuration holds: counts, sizes and offsets of one to ten digits, some negative.
const std::vector<std::string>& decimalTexts() {
    static const std::vector<std::string> l_texts = generate([] {
        const auto value = static_cast<int>(draw()) >> (draw() % 31);
        return std::to_string(value);
    });
    return l_texts;
}

// Colours and masks: "0x" and one to eight lower- or upper-case digits.
const std::vector<std::string>& hexTexts() {
    static const std::vector<std::string> l_texts = generate([] {
        char text[16];
        const char* const format = draw() % 2 == 0 ? "0x%x" : "0x%X";
        std::snprintf(text, sizeof text, format,
                      static_cast<unsigned int>(draw() >> (draw() % 32)));
        return std::string(text);
    });
    return l_texts;
}

// Speeds, scales and times: fixed notation with zero to six decimals, a few exponents.
const std::vector<std::string>& floatTexts() {
    static const std::vector<std::string> l_texts = generate([] {
        char text[32];
        const double value = static_cast<double>(static_cast<int>(draw() % 2000001) - 1000000) /
                             static_cast<double>(1u << (draw() % 16));
        if (draw() % 8 == 0) {
            std::snprintf(text, sizeof text, "%g", value / 1e6);
        } else {
            std::snprintf(text, sizeof text, "%.*f", static_cast<int>(draw() % 7), value);
        }
        return std::string(text);
    });
    return l_texts;
}

const std::vector<int>& intValues() {
    static const std::vector<int> l_values =
        generate([] { return static_cast<int>(draw()) >> (draw() % 31); });
    return l_values;
}

// Scores: what the game writes five digits wide.
const std::vector<int>& scoreValues() {
    static const std::vector<int> l_values =
        generate([] { return static_cast<int>(draw() % 200000); });
    return l_values;
}

const std::vector<float>& floatValues() {
    static const std::vector<float> l_values = generate([] {
        return static_cast<float>(static_cast<int>(draw() % 2000001) - 1000000) /
               static_cast<float>(1u << (draw() % 20));
    });
    return l_values;
}

template <typename T>
T fromChars(const std::string& text, const std::size_t skip, const int base) {
    T value{};
    std::from_chars(text.data() + skip, text.data() + text.size(), value, base);
    return value;
}

float fromCharsFloat(const std::string& text) {
    float value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string withZeros(const int width, const char* const first, const char* const last) {
    const auto length = static_cast<int>(last - first);
    const int padding = width > length ? width - length : 0;
    std::string text(static_cast<std::size_t>(padding + length), '0');
    std::copy(first, last, text.begin() + padding);
    return text;
}

std::string toCharsInt(const int value, const int width) {
    char digits[16];
    return withZeros(width, digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

std::string toCharsFloat(const float value, const std::chars_format format, const int precision) {
    char digits[64];
    char* const last =
        std::to_chars(digits, digits + sizeof digits, double{value}, format, precision).ptr;
    return std::string(digits, last);
}

int oursDecimal(const std::string& text) {
    return Util::strToNum<int>(text);
}
int peerDecimal(const std::string& text) {
    return fromChars<int>(text, 0, 10);
}
unsigned int oursHex(const std::string& text) {
    return Util::strToNum<unsigned int>(text);
}
unsigned int peerHex(const std::string& text) {
    return fromChars<unsigned int>(text, 2, 16);
}
float oursFloat(const std::string& text) {
    return Util::strToNum<float>(text);
}
float peerFloat(const std::string& text) {
    return fromCharsFloat(text);
}
std::string oursInt(const int& value) {
    return Util::numToStr(value, 10, 0, -1);
}
std::string peerInt(const int& value) {
    return toCharsInt(value, 0);
}
std::string oursScore(const int& value) {
    return Util::numToStr(value, 10, 5, -1);
}
std::string peerScore(const int& value) {
    return toCharsInt(value, 5);
}
std::string oursGeneral(const float& value) {
    return Util::numToStr(value, 10, 0, -1);
}
std::string peerGeneral(const float& value) {
    return toCharsFloat(value, std::chars_format::general, 6);
}
std::string oursFixed2(const float& value) {
    return Util::numToStr(value, 10, 0, 2);
}
std::string peerFixed2(const float& value) {
    return toCharsFloat(value, std::chars_format::fixed, 2);
}

template <typename In, typename Out>
void Convert(benchmark::State& state, const std::vector<In>& inputs, Out (*const ours)(const In&),
             Out (*const peer)(const In&)) {
    for (const In& input : inputs) {
        if (ours(input) != peer(input)) {
            state.SkipWithError("the two sides disagree");
            return;
        }
    }
    const auto convertAll = [&inputs](Out (*const side)(const In&)) {
        return [&inputs, side] {
            for (const In& input : inputs) {
                benchmark::DoNotOptimize(side(input));
            }
        };
    };
    const std::vector<double> seconds = timeInTurn(state, {convertAll(ours), convertAll(peer)});
    state.counters["ours_ns"] = perIteration(seconds[0] / kInputs, 1e9);
    state.counters["peer_ns"] = perIteration(seconds[1] / kInputs, 1e9);
    state.counters["ours/peer"] = seconds[0] / seconds[1];
}

} // namespace

#define SIDE_BY_SIDE(name, inputs, peerName)                                                       \
    BENCHMARK_CAPTURE(Convert, name##_vs_##peerName, inputs(), ours##name, peer##name)

SIDE_BY_SIDE(Decimal, decimalTexts, FromChars);
SIDE_BY_SIDE(Hex, hexTexts, FromChars);
SIDE_BY_SIDE(Float, floatTexts, FromChars);
SIDE_BY_SIDE(Int, intValues, ToChars);
SIDE_BY_SIDE(Score, scoreValues, ToChars);
SIDE_BY_SIDE(General, floatValues, ToChars);
SIDE_BY_SIDE(Fixed2, floatValues, ToChars);
