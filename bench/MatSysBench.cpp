// The material system's hot paths without OpenGL: reading parameter lines into a set, the
// work of every definition file, and walking a material's parameters for an upload, the work
// of every material use. Each case reports the heap allocations per iteration; there is no
// peer library doing the same.
#include "BenchRounds.h"
#include "MatSys/Material.h"
#include "MatSys/ShaderParams.h"
#include "Support/MatSysFakes.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> s_typicalLines = {
    "color:4f=1, 0.5, 0.25, 1",
    "mask:1i=0x1F",
    "offsets:3fv=0.5, 1.5, 2.5, -1, 0, 1, 0.125, 0.25, 0.375",
};

// Each typical line into a fresh set, and the three into one set, as a definition is read.
void BM_ShaderParamsAddLine(benchmark::State& state) {
    const auto which = static_cast<std::size_t>(state.range(0));
    const bool all = which == s_typicalLines.size();
    state.SetLabel(all ? "all three" : s_typicalLines[which]);
    BenchRounds::measure(state, "per_line", all ? 3.0 : 1.0, [&] {
        MatSys::ShaderParams params;
        if (all) {
            params.add(s_typicalLines);
        } else {
            params.add(s_typicalLines[which]);
        }
        benchmark::DoNotOptimize(&params);
        benchmark::ClobberMemory();
    });
}
BENCHMARK(BM_ShaderParamsAddLine)->DenseRange(0, 3);

// One use of a material with 16 parameters: its program, a counting fake, walks them all as
// an upload does.
void BM_MaterialUpload(benchmark::State& state) {
    const MatSys::ShaderParams params = MatSysFakes::sixteenParams();
    MatSysFakes::Program program("prog");
    program.quiet = true;
    MatSys::Material material(&program, &params);
    BenchRounds::measure(state, "per_use", 1.0, [&material] {
        material.beginUsing();
        material.endUsing();
    });
    benchmark::DoNotOptimize(program.uploaded);
}
BENCHMARK(BM_MaterialUpload);

} // namespace
