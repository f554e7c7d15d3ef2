#pragma once

// The time of pieces of work, for benchmarks that time several pieces in turn within each
// iteration and report their ratios from the same run: on a shared machine, separate benchmarks
// drift apart by more than the differences they measure.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>
#include <ctime>
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

// Seconds of this thread's CPU time that work takes, which leave out the time the thread waits
// for a processor on a shared machine. Reading this clock is a system call, so a span of it
// costs some 0.2 us of its own on the machines here, where the wall clock's costs 0.02 us.
template <typename Work>
double cpuSecondsOf(const Work& work) {
    const auto now = [] {
        timespec time{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
        return static_cast<double>(time.tv_sec) + 1e-9 * static_cast<double>(time.tv_nsec);
    };
    const double start = now();
    work();
    return now() - start;
}

// Calls turn(0) to turn(count - 1) one after the other within every iteration, each iteration
// starting one further on.
template <typename Turn>
void inTurn(benchmark::State& state, const std::size_t count, const Turn& turn) {
    std::size_t first = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < count; ++i) {
            turn((first + i) % count);
        }
        first = (first + 1) % count;
    }
}

// Runs the works in turn and returns the seconds each took in all.
inline std::vector<double> timeInTurn(benchmark::State& state,
                                      const std::vector<std::function<void()>>& works) {
    std::vector<double> seconds(works.size());
    inTurn(state, works.size(),
           [&](const std::size_t which) { seconds[which] += secondsOf(works[which]); });
    return seconds;
}
