// Creating and destroying process-wide ids, against std::unordered_set keeping the same record
// of living numbers. Each benchmark reports the time per id and the heap allocations per
// iteration, once one round has warmed the structures.

#include "BenchRounds.h"
#include "BenchSizes.h"
#include "Util/HashedID.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <unordered_set>

namespace {

using ID = Util::HashedID<unsigned long>;
constexpr std::size_t kMillion = 1000000;

// A million ids, each destroyed before the next is made.
void BM_HashedIDOneAtATime(benchmark::State& state) {
    BenchRounds::measure(state, "time_per_id", kMillion, [] {
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
    BenchRounds::measure(state, "time_per_id", static_cast<double>(count), [&] {
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
    BenchRounds::measure(state, "time_per_id", static_cast<double>(count), [&] {
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
BENCHMARK_TEMPLATE(BM_HashedIDAliveTogether, true)->ArgsProduct({BenchSizes::of({1000, kMillion})});
BENCHMARK_TEMPLATE(BM_HashedIDAliveTogether, false)->ArgsProduct({BenchSizes::of({1000, 100000})});
BENCHMARK(BM_UnorderedSetAliveTogether)->ArgsProduct({BenchSizes::of({1000, kMillion})});
