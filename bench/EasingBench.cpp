// Every one of the 44 easers called through a Tween::Easer reference over 1024 times spread
// across [0, d], beside its family's curve called directly, which is the same arithmetic
// without the virtual call. Each reports the time per call and the heap allocations per
// iteration.
#include "Penner/Easers.h"
#include "Support/HeapCounter.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

namespace {

constexpr std::size_t CALLS = 1024;
constexpr float DURATION = 750.0f;

struct NamedEaser {
    const char* name;
    const Tween::Easer* easer;
};

#define EASING_BENCH_NAMED(Family)                                                                 \
    {"in" #Family, &Penner::in##Family}, {"out" #Family, &Penner::out##Family},                    \
        {"inOut" #Family, &Penner::inOut##Family}, {"outIn" #Family, &Penner::outIn##Family},

const NamedEaser EASERS[] = {PENNER_FAMILIES(EASING_BENCH_NAMED)};

#undef EASING_BENCH_NAMED

template <typename Ease>
void measure(benchmark::State& state, const Ease& ease) {
    std::size_t allocations = 0;
    for (auto _ : state) {
        const std::size_t before = HeapCounter::s_allocations;
        for (std::size_t i = 0; i < CALLS; ++i) {
            const float t = DURATION * static_cast<float>(i) / (CALLS - 1);
            benchmark::DoNotOptimize(ease(t, 10.0f, 90.0f, DURATION));
        }
        allocations += HeapCounter::s_allocations - before;
    }
    state.counters["time_per_call"] = benchmark::Counter(
        static_cast<double>(CALLS),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["allocs_per_iter"] =
        benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

void BM_Easer(benchmark::State& state, const Tween::Easer* const easer) {
    const Tween::Easer& ease = *easer;
    measure(state, ease);
}

// The peer: a family's curves without the easer object in between.
template <float (*curve)(float, float, float, float)>
void BM_DirectCurve(benchmark::State& state) {
    measure(state, curve);
}

const bool s_registered = [] {
    for (const NamedEaser& named : EASERS) {
        benchmark::RegisterBenchmark((std::string("BM_Easer/") + named.name).c_str(), BM_Easer,
                                     named.easer);
    }
    return true;
}();

} // namespace

BENCHMARK_TEMPLATE(BM_DirectCurve, Penner::Back::easeIn);
BENCHMARK_TEMPLATE(BM_DirectCurve, Penner::Elastic::easeInOut);
BENCHMARK_TEMPLATE(BM_DirectCurve, Penner::Sine::easeOut);
BENCHMARK_TEMPLATE(BM_DirectCurve, Penner::Quad::easeIn);
