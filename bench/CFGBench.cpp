// Reading a generated 10 MB configuration beside inih reading the same keys as INI text, and
// the two reads the game makes every frame: a plain key and a point.
#include "CFG/GlobalConfig.h"
#include "CFG/Info.h"
#include "CFG/InfoParser.h"
#include "Support/HeapCounter.h"

#include <benchmark/benchmark.h>
#include <ini.h>
#include <malloc.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr std::size_t TARGET_BYTES = 10 * 1000 * 1000;
constexpr int INCLUDED_FILES = 4;

const char* const WORDS[] = {"SCREEN", "ENEMY",  "PLAYER", "LEVEL", "FONT",   "SPRITE",
                             "SHADER", "COLOR",  "SPEED",  "SIZE",  "EASER",  "BEAM",
                             "GRID",   "SCORE",  "TITLE",  "SOUND", "CAMERA", "LIGHT",
                             "TEXT",   "WINDOW", "FRAME",  "INFO",  "MODE",   "DELAY"};
const char* const VALUES[] = {"800",  "0.25, 0.5, 0",   "0xff8040ff", "inOutQuad",    "YES",
                              "3, 7", "fonts/main.cfg", "12.5",       "Kessok: v0.69"};

// A small deterministic generator, so every run reads the same text.
class Generator {
public:
    std::uint32_t next() {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }
    const char* word() { return WORDS[next() % std::size(WORDS)]; }
    const char* value() { return VALUES[next() % std::size(VALUES)]; }
    std::string key() {
        return std::string(word()) + "_" + word() + "_" + std::to_string(next() % 1000000);
    }

private:
    std::uint32_t m_state = 12345;
};

// One configuration and the same keys as INI text, written as a main file with include keys
// and the included files.
struct Corpus {
    std::filesystem::path dir;
    std::string mainCfg;
    std::vector<std::string> iniFiles;
    std::size_t cfgBytes = 0;
    std::string plainKey;
    std::string pointKey;

    Corpus() {
        dir = std::filesystem::temp_directory_path() / "kessok-cfgbench";
        std::filesystem::create_directories(dir);
        Generator random;
        std::vector<std::string> cfgNames;
        for (int file = 0; file <= INCLUDED_FILES; ++file) {
            cfgNames.push_back((dir / ("part" + std::to_string(file) + ".cfg")).string());
            iniFiles.push_back((dir / ("part" + std::to_string(file) + ".ini")).string());
        }
        mainCfg = cfgNames[0];
        for (int file = 0; file <= INCLUDED_FILES; ++file) {
            std::string cfg;
            std::string ini;
            if (file == 0) {
                for (int include = 1; include <= INCLUDED_FILES; ++include) {
                    cfg += "<INCLUDE_" + std::to_string(include) +
                           " == " + cfgNames[static_cast<std::size_t>(include)] + "\n";
                }
            }
            const std::size_t share = file == 0 ? TARGET_BYTES / 2 : TARGET_BYTES / 8;
            while (cfg.size() < share) {
                writeEntry(random, cfg, ini);
            }
            std::ofstream(cfgNames[static_cast<std::size_t>(file)], std::ios::binary) << cfg;
            std::ofstream(iniFiles[static_cast<std::size_t>(file)], std::ios::binary) << ini;
            cfgBytes += cfg.size();
        }
        // The few dozen keys that a settings file and the command line put in the overrides.
        for (int setting = 0; setting < 40; ++setting) {
            CFG::getDefaultOverrides()->add("SETTING_" + std::to_string(setting), "1");
        }
    }

    void writeEntry(Generator& random, std::string& cfg, std::string& ini) {
        const std::string key = random.key();
        const std::uint32_t kind = random.next() % 100;
        if (kind < 5) {
            cfg += key + " == \"first line of " + key + "\n   second line\\\n joined\"\n";
            ini += key + " = first line of " + key + "\n   second line joined\n";
        } else if (kind < 10) {
            cfg += key + " ?? MODE\nLOW == " + random.value() + "\nHIGH == " + random.value() +
                   "\n* == " + random.value() + "\nMODE\n";
            ini += "[" + key + "]\nLOW = x\nHIGH = y\n* = z\n[]\n";
        } else {
            const char* const value = random.value();
            cfg += key + " == " + value + "\n";
            ini += key + " = " + value + "\n";
            if (plainKey.empty() && cfg.size() > TARGET_BYTES / 4) {
                plainKey = key;
            }
            if (pointKey.empty() && cfg.size() > TARGET_BYTES / 4 && value == VALUES[1]) {
                pointKey = key;
            }
        }
    }
};

const Corpus& corpus() {
    static const Corpus l_corpus;
    return l_corpus;
}

int keepInMap(void* const user, const char* const section, const char* const name,
              const char* const value) {
    auto& map = *static_cast<std::map<std::string, std::string>*>(user);
    std::string key = *section == '\0' ? std::string(name) : std::string(section) + "." + name;
    std::string& slot = map[std::move(key)];
    // inih hands each continuation line of a value over on its own.
    slot = slot.empty() ? std::string(value) : slot + "\n" + value;
    return 1;
}

template <typename Load>
void measureLoad(benchmark::State& state, const Load& load) {
    std::size_t peak = 0;
    for (auto _ : state) {
        const std::size_t before = HeapCounter::s_live;
        HeapCounter::resetPeak();
        auto loaded = load();
        peak = std::max(peak, HeapCounter::s_peak - before);
        state.PauseTiming();
        loaded.reset();
        state.ResumeTiming();
    }
    const double fileBytes = static_cast<double>(corpus().cfgBytes);
    state.SetBytesProcessed(
        static_cast<std::int64_t>(static_cast<double>(state.iterations()) * fileBytes));
    state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
    state.counters["peak_per_file_size"] = static_cast<double>(peak) / fileBytes;
}

void LoadCfg_Ours(benchmark::State& state) {
    const Corpus& files = corpus();
    measureLoad(state, [&files] {
        return std::make_unique<CFG::Info>(files.mainCfg, CFG::getDefaultOverrides());
    });
}

void LoadIni_Inih(benchmark::State& state) {
    const Corpus& files = corpus();
    measureLoad(state, [&files] {
        auto map = std::make_unique<std::map<std::string, std::string>>();
        for (const std::string& path : files.iniFiles) {
            ini_parse(path.c_str(), keepInMap, map.get());
        }
        return map;
    });
}

void GetPlainKey(benchmark::State& state) {
    const CFG::Info config(corpus().mainCfg, CFG::getDefaultOverrides());
    const std::string& key = corpus().plainKey;
    for (auto _ : state) {
        benchmark::DoNotOptimize(config.get(key));
    }
}

void GetPoint(benchmark::State& state) {
    const CFG::Info config(corpus().mainCfg, CFG::getDefaultOverrides());
    const CFG::InfoParser parser(&config);
    const std::string& key = corpus().pointKey;
    for (auto _ : state) {
        benchmark::DoNotOptimize(parser.getPoint<float>(key));
    }
}

} // namespace

BENCHMARK(LoadCfg_Ours)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LoadIni_Inih)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GetPlainKey);
BENCHMARK(GetPoint);
