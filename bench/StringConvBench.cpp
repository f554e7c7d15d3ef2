// Text to number and back, the plain string-stream conversions beside ours, on the short
// texts a configuration holds.
#include "StringConvBench.h"

#include "Util/NumToStr.h"
#include "Util/StrToNum.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const std::string INT_TEXT = "12345";
const std::string HEX_TEXT = "0x1F";
const std::string FLOAT_TEXT = "3.14159";

template <typename Conversion>
void Convert(benchmark::State& state, const Conversion conversion) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(conversion());
    }
}

} // namespace

BENCHMARK_CAPTURE(Convert, StrToNumInt_Stream, [] { return StreamConv::strToNum<int>(INT_TEXT); });
BENCHMARK_CAPTURE(Convert, StrToNumInt_Ours, [] { return Util::strToNum<int>(INT_TEXT); });
BENCHMARK_CAPTURE(Convert, StrToNumHexInt_Stream,
                  [] { return StreamConv::strToNum<int>(HEX_TEXT); });
BENCHMARK_CAPTURE(Convert, StrToNumHexInt_Ours, [] { return Util::strToNum<int>(HEX_TEXT); });
BENCHMARK_CAPTURE(Convert, StrToNumFloat_Stream,
                  [] { return StreamConv::strToNum<float>(FLOAT_TEXT); });
BENCHMARK_CAPTURE(Convert, StrToNumFloat_Ours, [] { return Util::strToNum<float>(FLOAT_TEXT); });
BENCHMARK_CAPTURE(Convert, NumToStrIntWidth5_Stream,
                  [] { return StreamConv::numToStr(42, 10, 5, -1); });
BENCHMARK_CAPTURE(Convert, NumToStrIntWidth5_Ours, [] { return Util::numToStr(42, 10, 5, -1); });
BENCHMARK_CAPTURE(Convert, NumToStrFloat_Stream,
                  [] { return StreamConv::numToStr(0.333333f, 10, 0, -1); });
BENCHMARK_CAPTURE(Convert, NumToStrFloat_Ours, [] { return Util::numToStr(0.333333f, 10, 0, -1); });
BENCHMARK_CAPTURE(Convert, NumToStrFloatFixed2_Stream,
                  [] { return StreamConv::numToStr(1.5f, 10, 0, 2); });
BENCHMARK_CAPTURE(Convert, NumToStrFloatFixed2_Ours, [] { return Util::numToStr(1.5f, 10, 0, 2); });
