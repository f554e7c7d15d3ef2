#pragma once

// The wall-clock time of pieces of work, for benchmarks that time several pieces in turn
// within each iteration and report their ratios from the same run: on a shared machine,
// separate benchmarks drift apart by more than the differences they measure.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>
#include <functional>
#include <vector>

template <typename Work>
double secondsOf(const Work& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Seconds in all as a counter of the average per iteration, in the unit of scale (1e3 for
// milliseconds).
inline benchmark::Counter perIteration(const double seconds, const double scale) {
    return benchmark::Counter(scale * seconds, benchmark::Counter::kAvgIterations);
}

// Runs the works in turn within every iteration, each iteration starting one further on,
// and returns the seconds each took in all.
inline std::vector<double> timeInTurn(benchmark::State& state,
                                      const std::vector<std::function<void()>>& works) {
    std::vector<double> seconds(works.size());
    std::size_t first = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < works.size(); ++i) {
            const std::size_t which = (first + i) % works.size();
            seconds[which] += secondsOf(works[which]);
        }
        first = (first + 1) % works.size();
    }
    return seconds;
}
