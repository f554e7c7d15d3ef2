// No benchmark: the program whose smoke test shows that a benchmark's error fails the smoke
// test. Its one benchmark always reports an error, after which Google Benchmark 1.7.1 still ends
// the program with status 0, and CTest expects its test to fail (SmokeErrorCheck.cmake): the
// test passes only while kessok_bench fails a smoke test on the error's text.
#include <benchmark/benchmark.h>

namespace {

void BM_ReportsAnError(benchmark::State& state) {
    state.SkipWithError("reported on purpose: this program's smoke test must fail on it");
}

} // namespace

BENCHMARK(BM_ReportsAnError);
