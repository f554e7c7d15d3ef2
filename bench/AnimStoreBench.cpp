// Loading animation frame, sequence and sequence-mapping stores of 1,000 and 10,000 keys from
// generated definition files, beside the peer every loader stands on: reading the same file
// into a configuration and every key's value. The time per key should not grow with the
// number of keys.
#include "BenchSizes.h"
#include "CFG/GlobalConfig.h"
#include "CFG/Info.h"
#include "GameHelper/CFGHelper.h"
#include "SprSys/AnimFrameStore.h"
#include "SprSys/AnimSeqMappingStores.h"
#include "SprSys/AnimSequenceStore.h"
#include "Support/ScratchDir.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// "F_00042" and the like: names in the byte order of their numbers.
std::string nameOf(const char* const prefix, const std::size_t number) {
    char name[32];
    std::snprintf(name, sizeof name, "%s%05zu", prefix, number);
    return name;
}

// The three definition files of one size, written once and kept for the run, with the frame
// and sequence stores the later files refer to.
struct Definitions {
    explicit Definitions(const std::size_t keys) {
        std::string frameText;
        std::string sequenceText;
        std::string mappingText;
        for (std::size_t i = 0; i < keys; ++i) {
            const std::size_t next = (i + 1) % keys;
            frameText += nameOf("F_", i) + " == " + std::to_string(i) + ", 1, -2, H, 90, 0.5, 2\n";
            sequenceText += nameOf("S_", i) + " == " + nameOf("F_", i) + " " + nameOf("F_", next) +
                            ":100, " + nameOf("F_", next) + ":50:1.5:0:0:3\n";
            mappingText += nameOf("M_", i) + " == " + nameOf("S_", i) + "=>" + nameOf("S_", next) +
                           ", " + nameOf("S_", i) + ":3=>" + nameOf("S_", i) + "\n";
        }
        framePath = dir.write("frames.cfg", frameText);
        sequencePath = dir.write("sequences.cfg", sequenceText);
        mappingPath = dir.write("mappings.cfg", mappingText);
        GameHelper::CFGHelper::populateAnimFrameStore(&frames, framePath, "F_");
        GameHelper::CFGHelper::populateAnimSequenceStore(&sequences, sequencePath, "S_", &frames);
    }

    ScratchDir dir;
    std::string framePath;
    std::string sequencePath;
    std::string mappingPath;
    SprSys::AnimFrameStore frames;
    SprSys::AnimSequenceStore sequences;
};

Definitions& definitions(const std::size_t keys) {
    static std::map<std::size_t, Definitions> s_byKeys;
    return s_byKeys.try_emplace(keys, keys).first->second;
}

template <typename Load>
void measure(benchmark::State& state, const Load& load) {
    const auto keys = static_cast<std::size_t>(state.range(0));
    Definitions& files = definitions(keys);
    for (auto _ : state) {
        load(files);
    }
    state.counters["time_per_key"] = benchmark::Counter(
        static_cast<double>(keys),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_LoadFrames(benchmark::State& state) {
    measure(state, [](const Definitions& files) {
        SprSys::AnimFrameStore store;
        GameHelper::CFGHelper::populateAnimFrameStore(&store, files.framePath, "F_");
    });
}

void BM_LoadSequences(benchmark::State& state) {
    measure(state, [](const Definitions& files) {
        SprSys::AnimSequenceStore store;
        GameHelper::CFGHelper::populateAnimSequenceStore(&store, files.sequencePath, "S_",
                                                         &files.frames);
    });
}

void BM_LoadMappings(benchmark::State& state) {
    measure(state, [](Definitions& files) {
        SprSys::AnimSeqMappingStores stores;
        GameHelper::CFGHelper::populateAnimSeqMappingStores(&stores, files.mappingPath, "M_",
                                                            &files.sequences);
    });
}

// The peer: the configuration read and every value resolved, with nothing converted.
void BM_ReadDefinitionValues(benchmark::State& state) {
    measure(state, [](const Definitions& files) {
        const CFG::Info config(files.sequencePath, CFG::getDefaultOverrides());
        std::vector<std::string> keys;
        config.keys(keys);
        for (const std::string& key : keys) {
            benchmark::DoNotOptimize(config.get(key));
        }
    });
}

// The keys of each definition file.
const std::vector<std::int64_t> s_keyCounts = BenchSizes::of({1000, 10000});

} // namespace

BENCHMARK(BM_LoadFrames)->ArgsProduct({s_keyCounts})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSequences)->ArgsProduct({s_keyCounts})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadMappings)->ArgsProduct({s_keyCounts})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDefinitionValues)->ArgsProduct({s_keyCounts})->Unit(benchmark::kMillisecond);
