// Creating and destroying process-wide ids, against std::unordered_set keeping the same record
// of living numbers. Each benchmark reports the time per id and the heap allocations per
// iteration, once one round has warmed the structures.

#include "Support/HeapCounter.h"
#include "Util/HashedID.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <unordered_set>

namespace {

using ID = Util::HashedID<unsigned long>;
constexpr std::size_t kMillion = 1000000;

// Allocations are counted inside the rounds only: the benchmark loop itself allocates once.
template <typename Round>
void measure(benchmark::State& state, const std::size_t idsPerRound, const Round& round) {
    round();
    std::size_t allocations = 0;
    for (auto _ : state) {
        const std::size_t before = HeapCounter::s_allocations;
        round();
        allocations += HeapCounter::s_allocations - before;
    }
    state.counters["time_per_id"] = benchmark::Counter(
        static_cast<double>(idsPerRound),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["allocs_per_iter"] =
        benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

// A million ids, each destroyed before the next is made.
void BM_HashedIDOneAtATime(benchmark::State& state) {
    measure(state, kMillion, [] {
        for (std::size_t i = 0; i < kMillion; ++i) {
            const ID id;
            benchmark::DoNotOptimize(id.getID());
        }
    });
}

// range(0) ids alive together, then destroyed newest first, as scoped objects are, or oldest
// first, which walks each of the 1009 chains to its end.
template <bool newestFirst>
void BM_HashedIDAliveTogether(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const auto ids = std::make_unique<std::optional<ID>[]>(count);
    measure(state, count, [&] {
        for (std::size_t i = 0; i < count; ++i) {
            ids[i].emplace();
        }
        for (std::size_t i = 0; i < count; ++i) {
            ids[newestFirst ? count - 1 - i : i].reset();
        }
    });
}

// The peer: the same record of living numbers kept in a standard hash set.
void BM_UnorderedSetAliveTogether(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    std::unordered_set<unsigned long> living;
    living.reserve(count);
    unsigned long lastID = 0;
    measure(state, count, [&] {
        const unsigned long first = lastID + 1;
        for (std::size_t i = 0; i < count; ++i) {
            living.insert(++lastID);
        }
        for (unsigned long id = first; id <= lastID; ++id) {
            living.erase(id);
        }
    });
}

} // namespace

BENCHMARK(BM_HashedIDOneAtATime)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_HashedIDAliveTogether, true)->Arg(1000)->Arg(kMillion);
BENCHMARK_TEMPLATE(BM_HashedIDAliveTogether, false)->Arg(1000)->Arg(100000);
BENCHMARK(BM_UnorderedSetAliveTogether)->Arg(1000)->Arg(kMillion);
