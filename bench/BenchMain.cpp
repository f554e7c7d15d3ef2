// The main function of every benchmark program, in place of Google Benchmark's own
// (BENCHMARK_MAIN in Google Benchmark 1.7.1), which it follows but for one thing: in a smoke run
// it reads the minimum time of BenchSizes.h as the first argument of the command line.
#include "BenchSizes.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
    std::string minTime = BenchSizes::SMOKE_MIN_TIME;
    if (BenchSizes::smokeRun()) {
        // After the program's name, which Google Benchmark takes from the first.
        arguments.insert(arguments.begin() + std::min(argc, 1), minTime.data());
    }
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
