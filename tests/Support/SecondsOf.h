#pragma once

// The wall-clock time of one piece of work, for benchmarks that time several pieces in turn
// within each iteration and report their ratios from the same run.

#include <chrono>

template <typename Work>
double secondsOf(const Work& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
