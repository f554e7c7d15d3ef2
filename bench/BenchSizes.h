#pragma once

// The sizes a benchmark program registers: all of them in a full run, and only the first in a
// smoke run, which shows in a second or so that every benchmark runs and that its outputs check
// equal. A smoke run is one with KESSOK_BENCH_SMOKE=1 in the environment, as CTest runs the
// programs: benchmarks register before main, so a command-line flag would come too late. A
// smoke run also runs each benchmark for a short minimum time, SMOKE_MIN_TIME below.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <vector>

namespace BenchSizes {

inline bool smokeRun() {
    static const bool s_smoke = [] {
        const char* const value = std::getenv("KESSOK_BENCH_SMOKE");
        return value != nullptr && std::strcmp(value, "1") == 0;
    }();
    return s_smoke;
}

// The least time a smoke run gives each benchmark, as Google Benchmark's flag, which every
// program's main function (BenchMain.cpp) puts before the arguments of its command line, so that
// a minimum time given there still wins. Google Benchmark 1.7.1 runs each benchmark for half a
// second at the least by default, at which the easing program's 48 benchmarks took 45 seconds.
inline constexpr char SMOKE_MIN_TIME[] = "--benchmark_min_time=0.01";

// One axis of ArgsProduct: sizes, or in a smoke run the first of them alone.
inline std::vector<std::int64_t> of(const std::initializer_list<std::int64_t> sizes) {
    return smokeRun() ? std::vector<std::int64_t>{*sizes.begin()}
                      : std::vector<std::int64_t>(sizes);
}

} // namespace BenchSizes
