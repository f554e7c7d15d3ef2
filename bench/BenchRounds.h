#pragma once

// Times a benchmark round by round and counts the heap allocations inside the rounds only
// (the benchmark loop itself allocates once). It includes HeapCounter.h, so it belongs in a
// program's one source file that counts the heap.

#include "Support/HeapCounter.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

namespace BenchRounds {

// Runs round once to warm up, then once per iteration; reports the time per item under
// timeCounter, for itemsPerRound items a round, and the allocations per iteration.
template <typename Round>
void measure(benchmark::State& state, const std::string& timeCounter, const double itemsPerRound,
             const Round& round) {
    round();
    std::size_t allocations = 0;
    for (auto _ : state) {
        const std::size_t before = HeapCounter::s_allocations;
        round();
        allocations += HeapCounter::s_allocations - before;
    }
    state.counters[timeCounter] = benchmark::Counter(
        itemsPerRound, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["allocs_per_iter"] =
        benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

} // namespace BenchRounds
