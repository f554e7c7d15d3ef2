// The configuration beside its peers: loading game-like configurations of 1, 10 and 50 MB in
// turn with inih filling an std::unordered_map with the same settings as INI text; reading
// 1,000 random keys beside an std::unordered_map find and copy; evaluating long expressions; and
// loading many included files, or one small file among many others.
#include "CFGBenchCorpus.h"

#include "BenchSizes.h"
#include "CFG/Calculator.h"
#include "CFG/GlobalConfig.h"
#include "CFG/Info.h"
#include "CFG/InfoParser.h"
#include "Files/Directory.h"
#include "Files/TextFile.h"
#include "SecondsOf.h"
#include "Support/HeapCounter.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <ini.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

using Settings = std::unordered_map<std::string, std::string>;

constexpr std::size_t MEGABYTE = 1000 * 1000;
// About 1,000 keys, as many as the game's own configuration holds.
constexpr std::size_t GAME_SIZED_BYTES = 36 * 1000;
constexpr std::size_t RANDOM_KEYS = 1000;
// How a value that ours evaluates begins.
constexpr std::string_view EXPRESSION = "EVAL:(";
// The files the benchmark writes, in the build tree: written again on every run, the same
// text each time, or kept from an earlier run where they are there already.
const std::filesystem::path FILES = KESSOK_CFGBENCH_FILES;

const CFGBenchCorpus& corpus(const std::size_t bytes) {
    static std::map<std::size_t, std::unique_ptr<CFGBenchCorpus>> l_corpora;
    std::unique_ptr<CFGBenchCorpus>& corpus = l_corpora[bytes];
    if (!corpus) {
        // The few dozen keys that a settings file and the command line put in the overrides.
        for (int setting = 0; setting < 40 && l_corpora.size() == 1; ++setting) {
            CFG::getDefaultOverrides()->add("SETTING_" + std::to_string(setting), "1");
        }
        corpus =
            std::make_unique<CFGBenchCorpus>(FILES / ("corpus-" + std::to_string(bytes)), bytes);
    }
    return *corpus;
}

int keepSetting(void* const user, const char* const section, const char* const name,
                const char* const value) {
    Settings& settings = *static_cast<Settings*>(user);
    std::string key = *section == '\0' ? std::string(name) : std::string(section) + "." + name;
    std::string& slot = settings[std::move(key)];
    // inih hands each continuation line of a value over on its own.
    slot = slot.empty() ? std::string(value) : slot + "\n" + value;
    return 1;
}

// The seconds that load takes; what it loaded is freed once the time is taken. peak keeps the
// most heap that a load has taken.
template <typename Load>
double timeLoad(const Load& load, std::size_t& peak) {
    const std::size_t before = HeapCounter::s_live;
    HeapCounter::resetPeak();
    decltype(load()) loaded;
    const double seconds = secondsOf([&] { loaded = load(); });
    peak = std::max(peak, HeapCounter::s_peak - before);
    return seconds;
}

// The values the corpus gives its keys, as the std::unordered_map peer holds them: the last where
// the configuration sets a key twice, and an expression as its text.
Settings plainSettings(const CFGBenchCorpus& files) {
    Settings settings;
    for (std::size_t key = 0; key < files.keys.size(); ++key) {
        settings[files.keys[key]] = files.plainValues[key];
    }
    return settings;
}

std::string inQuotes(const std::string& text) {
    return "\"" + text + "\"";
}

// The first key that ours reads otherwise than the std::unordered_map peer holds it, or the
// empty text where they hold the same keys and the same value for each. An expression is left
// out: ours evaluates it, where the peer holds its text.
std::string oursBesidePlainSettings(const CFGBenchCorpus& files) {
    const CFG::Info config(files.mainCfg, CFG::getDefaultOverrides());
    const Settings plain = plainSettings(files);
    std::vector<std::string> keys;
    config.keys(keys);
    if (keys.size() != plain.size()) {
        return "ours holds " + std::to_string(keys.size()) + " keys, the peer " +
               std::to_string(plain.size());
    }
    for (const auto& [key, value] : plain) {
        const std::string ours = config.get(key);
        if (ours != value && value.compare(0, EXPRESSION.size(), EXPRESSION) != 0) {
            return "ours reads " + key + " as " + inQuotes(ours) + ", the peer " + inQuotes(value);
        }
    }
    return "";
}

// The first setting that inih reads otherwise than the INI text sets it, or the empty text. A
// setting of the text holds its values one per line: its continuation lines, and the values of a
// name set twice.
std::string inihBesideIniText(const CFGBenchCorpus& files) {
    Settings read;
    for (const std::string& path : files.iniFiles) {
        ini_parse(path.c_str(), keepSetting, &read);
    }
    Settings written;
    for (const auto& [name, value] : files.iniSettings) {
        std::string& setting = written[name];
        setting += (setting.empty() ? "" : "\n") + value;
    }
    if (read.size() != written.size()) {
        return "inih reads " + std::to_string(read.size()) + " settings, the INI text sets " +
               std::to_string(written.size());
    }
    for (const auto& [name, value] : written) {
        const auto found = read.find(name);
        if (found == read.end() || found->second != value) {
            return "inih reads " + name + " as " +
                   (found == read.end() ? std::string("nothing") : inQuotes(found->second)) +
                   ", the INI text sets " + inQuotes(value);
        }
    }
    return "";
}

// What check finds in a corpus, looked for once a program and kept: Google Benchmark calls a
// benchmark several times, and a check loads the whole configuration.
template <std::string (*check)(const CFGBenchCorpus&)>
const std::string& checkedOnce(const CFGBenchCorpus& files) {
    static std::map<const CFGBenchCorpus*, std::string> s_found;
    const auto [found, added] = s_found.try_emplace(&files);
    if (added) {
        found->second = check(files);
    }
    return found->second;
}

// Whether every check found the two sides alike; otherwise the benchmark reports the first
// difference as its error.
bool agree(benchmark::State& state, const std::initializer_list<const std::string*> differences) {
    for (const std::string* const differs : differences) {
        if (!differs->empty()) {
            state.SkipWithError(differs->c_str());
            return false;
        }
    }
    return true;
}

// Ours and inih into an std::unordered_map load the same settings in turn, the one that goes
// first alternating. Counters: milliseconds of each, the bytes of the configuration each loads
// per second, ours/inih, and the peak heap use of one load as a multiple of the configuration.
// Ours must read every key as the std::unordered_map peer of GetRandomKey holds it, and inih the
// same settings from the INI text.
void LoadCfg_BesideInihUnorderedMap(benchmark::State& state) {
    const CFGBenchCorpus& files = corpus(static_cast<std::size_t>(state.range(0)) * MEGABYTE);
    const auto loadOurs = [&files] {
        return std::make_unique<CFG::Info>(files.mainCfg, CFG::getDefaultOverrides());
    };
    const auto loadInih = [&files] {
        auto settings = std::make_unique<Settings>();
        for (const std::string& path : files.iniFiles) {
            ini_parse(path.c_str(), keepSetting, settings.get());
        }
        return settings;
    };
    enum : std::size_t { OURS, INIH, SIDES };
    std::array<double, SIDES> seconds{};
    std::array<std::size_t, SIDES> peaks{};
    inTurn(state, SIDES, [&](const std::size_t which) {
        seconds[which] +=
            which == OURS ? timeLoad(loadOurs, peaks[OURS]) : timeLoad(loadInih, peaks[INIH]);
    });
    // Checked after the timing, which would otherwise begin on a heap that the check's loads had
    // warmed: the 50 MB configuration is timed in one iteration.
    if (!agree(state, {&checkedOnce<oursBesidePlainSettings>(files),
                       &checkedOnce<inihBesideIniText>(files)})) {
        return;
    }
    const double fileBytes = static_cast<double>(files.cfgBytes);
    const auto iterations = static_cast<double>(state.iterations());
    const auto counters = [&](const std::string& name, const std::size_t which) {
        state.counters[name + "_ms"] = perIteration(seconds[which], 1e3);
        state.counters[name + "_bytes_per_second"] = fileBytes * iterations / seconds[which];
        state.counters[name + "_peak_per_file_size"] =
            static_cast<double>(peaks[which]) / fileBytes;
    };
    counters("ours", OURS);
    counters("inih", INIH);
    state.counters["ours/inih"] = seconds[OURS] / seconds[INIH];
}

// RANDOM_KEYS keys of the corpus in a fixed random order.
std::vector<std::string> randomKeys(const CFGBenchCorpus& files) {
    std::vector<std::string> keys;
    std::uint32_t state = 2024;
    for (std::size_t key = 0; key < RANDOM_KEYS; ++key) {
        state = state * 1664525u + 1013904223u;
        keys.push_back(files.keys[(state >> 8) % files.keys.size()]);
    }
    return keys;
}

std::size_t corpusBytes(const benchmark::State& state) {
    return state.range(0) == 0 ? GAME_SIZED_BYTES
                               : static_cast<std::size_t>(state.range(0)) * MEGABYTE;
}

void GetRandomKey_Ours(benchmark::State& state) {
    const CFGBenchCorpus& files = corpus(corpusBytes(state));
    const CFG::Info config(files.mainCfg, CFG::getDefaultOverrides());
    const std::vector<std::string> keys = randomKeys(files);
    if (!agree(state, {&checkedOnce<oursBesidePlainSettings>(files)})) {
        return;
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(config.get(keys[next]));
        next = next + 1 == keys.size() ? 0 : next + 1;
    }
    state.counters["keys"] = static_cast<double>(files.keys.size());
}

void GetRandomKey_UnorderedMap(benchmark::State& state) {
    const CFGBenchCorpus& files = corpus(corpusBytes(state));
    const Settings settings = plainSettings(files);
    const std::vector<std::string> keys = randomKeys(files);
    if (!agree(state, {&checkedOnce<oursBesidePlainSettings>(files)})) {
        return;
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const auto found = settings.find(keys[next]);
        benchmark::DoNotOptimize(found == settings.end() ? std::string() : found->second);
        next = next + 1 == keys.size() ? 0 : next + 1;
    }
}

void GetPoint(benchmark::State& state) {
    const CFGBenchCorpus& files = corpus(GAME_SIZED_BYTES);
    const CFG::Info config(files.mainCfg, CFG::getDefaultOverrides());
    const CFG::InfoParser parser(&config);
    const auto point = std::find_if(files.keys.begin(), files.keys.end(), [](const auto& key) {
        return key.size() > 9 && key.compare(key.size() - 9, 9, "_POSITION") == 0;
    });
    for (auto _ : state) {
        benchmark::DoNotOptimize(parser.getPoint<float>(*point));
    }
}

// Evaluates expressions of "1" and then piece after piece, 16 KB and 160 KB long, that the
// calculator reads to its end. The two are timed in turn within every iteration: as separate
// benchmarks their ratio drifts from run to run by more than the ratio itself tells.
// Counters: microseconds of each, and 160k/16k, which is 10 where the time grows linearly.
void measureCalculation(benchmark::State& state, const std::string& piece) {
    std::vector<std::string> expressions;
    for (const std::size_t kilobytes : {std::size_t{16}, std::size_t{160}}) {
        std::string expression = "1";
        while (expression.size() < kilobytes * 1000) {
            expression += piece;
        }
        expressions.push_back(std::move(expression));
    }
    const auto evaluate = [](const std::string& expression) {
        return [&expression] { benchmark::DoNotOptimize(CFG::Calculator(expression).parse()); };
    };
    const std::vector<double> seconds =
        timeInTurn(state, {evaluate(expressions[0]), evaluate(expressions[1])});
    state.counters["16k_us"] = perIteration(seconds[0], 1e6);
    state.counters["160k_us"] = perIteration(seconds[1], 1e6);
    state.counters["160k/16k"] = seconds[1] / seconds[0];
}

void Calculate(benchmark::State& state) {
    measureCalculation(state, " + 2.5 * (3 - 1.25) / 4 << 1 >> 1 - 0.75 ");
}

// Only additions and subtractions, with and without blanks: signs and blanks are characters
// the conversion of a number may read, so the chain must not be read again for every operand.
void CalculateAdditive(benchmark::State& state) {
    measureCalculation(state, "+2.5-1.25 + 3 - 4.25");
}

} // namespace

BENCHMARK(LoadCfg_BesideInihUnorderedMap)
    ->ArgsProduct({BenchSizes::of({1, 10, 50})})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// Argument 0 is the game-sized configuration, 10 the 10 MB one.
BENCHMARK(GetRandomKey_Ours)->ArgsProduct({BenchSizes::of({0, 10})});
BENCHMARK(GetRandomKey_UnorderedMap)->ArgsProduct({BenchSizes::of({0, 10})});
BENCHMARK(GetPoint);
BENCHMARK(Calculate)->Unit(benchmark::kMillisecond);
BENCHMARK(CalculateAdditive)->Unit(benchmark::kMillisecond);

// Includes: the plain settings of the 1 MB configuration in 1,000 files, included one by one from a
// main file, beside the same settings in one file, and beside the floor under the difference: the
// system calls that reading the 1,000 files takes at the least (open, size, read and close each,
// and one listing of their folder, for their companion files). The three are timed in turn within
// every iteration, the one that goes first rotating, after checking that the two loads give the
// same values and that the floor reads every byte. Counters: milliseconds of each,
// includes/one_file, and (one_file+floor)/one_file, the least includes/one_file could be.
namespace {

constexpr std::size_t INCLUDED_FILES = 1000;

// Saves text as Files::TextFile::save does where the file does not hold it already: ext4 writes
// a file out to the disk when it is closed after being truncated and written again, which takes
// milliseconds a file while the disk is busy.
void saveUnlessSaved(const std::string& path, const std::string& text) {
    std::ifstream file(path, std::ios::binary);
    const std::string saved{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (saved != text + "\n") {
        Files::TextFile::save(path, text);
    }
}

struct IncludeCorpus {
    IncludeCorpus() {
        const CFGBenchCorpus& source = corpus(MEGABYTE);
        std::vector<std::string> lines;
        for (std::size_t key = 0; key < source.keys.size(); ++key) {
            const std::string& value = source.plainValues[key];
            if (source.keys[key].front() != '<' && value.find('\n') == std::string::npos) {
                lines.push_back(source.keys[key] + " == " + value + "\n");
            }
        }
        const std::filesystem::path dir = FILES / "includes";
        std::filesystem::create_directories(dir);
        std::string including;
        std::string one;
        for (std::size_t file = 0; file < INCLUDED_FILES; ++file) {
            parts.push_back((dir / ("part" + std::to_string(file) + ".cfg")).string());
            including += "<INCLUDE_" + std::to_string(file) + " == " + parts.back() + "\n";
            std::string part;
            for (std::size_t line = file * lines.size() / INCLUDED_FILES;
                 line < (file + 1) * lines.size() / INCLUDED_FILES; ++line) {
                part += lines[line];
            }
            saveUnlessSaved(parts.back(), part);
            // The file as saved, with its line feed at the end.
            partBytes += part.size() + 1;
            one += part;
        }
        includingCfg = (dir / "including.cfg").string();
        oneCfg = (dir / "one.cfg").string();
        saveUnlessSaved(includingCfg, including);
        saveUnlessSaved(oneCfg, one);
    }

    std::string includingCfg;
    std::string oneCfg;
    std::vector<std::string> parts;
    std::size_t partBytes = 0;
};

std::unique_ptr<CFG::Info> load(const std::string& path) {
    return std::make_unique<CFG::Info>(path, CFG::getDefaultOverrides());
}

bool sameValues(const CFG::Info& including, const CFG::Info& one) {
    std::vector<std::string> oneKeys;
    std::vector<std::string> includingKeys;
    one.keys(oneKeys);
    including.keys(includingKeys);
    return includingKeys.size() == oneKeys.size() + INCLUDED_FILES &&
           std::all_of(oneKeys.begin(), oneKeys.end(),
                       [&](const std::string& key) { return including.get(key) == one.get(key); });
}

// The bytes of the files read.
std::size_t readWithSystemCallsOnly(const std::vector<std::string>& paths) {
    std::size_t bytes = 0;
    std::string content;
    for (const std::string& path : paths) {
        const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat status {};
        if (file >= 0 && ::fstat(file, &status) == 0) {
            content.resize(static_cast<std::size_t>(status.st_size));
            const ssize_t got = ::pread(file, content.data(), content.size(), 0);
            bytes += got > 0 ? static_cast<std::size_t>(got) : 0;
        }
        ::close(file);
    }
    // One listing of their folder, which tells that they have no companion files.
    std::vector<std::string> companions;
    Files::Directory::scan(Files::Directory::dirname(paths.front()), companions, "", ".MOD");
    return companions.empty() ? bytes : 0;
}

void LoadIncludes_BesideOneFile(benchmark::State& state) {
    static const IncludeCorpus l_files;
    if (!sameValues(*load(l_files.includingCfg), *load(l_files.oneCfg)) ||
        readWithSystemCallsOnly(l_files.parts) != l_files.partBytes) {
        state.SkipWithError("the two loads differ, or the floor missed bytes");
        return;
    }
    enum : std::size_t { includes, oneFile, floor, count };
    std::array<double, count> seconds{};
    inTurn(state, count, [&](const std::size_t which) {
        // Freed once the time is taken.
        std::unique_ptr<CFG::Info> loaded;
        seconds[which] += secondsOf([&] {
            if (which == floor) {
                benchmark::DoNotOptimize(readWithSystemCallsOnly(l_files.parts));
            } else {
                loaded = load(which == oneFile ? l_files.oneCfg : l_files.includingCfg);
            }
        });
    });
    state.counters["includes_ms"] = perIteration(seconds[includes], 1e3);
    state.counters["one_file_ms"] = perIteration(seconds[oneFile], 1e3);
    state.counters["floor_ms"] = perIteration(seconds[floor], 1e3);
    state.counters["includes/one_file"] = seconds[includes] / seconds[oneFile];
    state.counters["(one_file+floor)/one_file"] =
        (seconds[oneFile] + seconds[floor]) / seconds[oneFile];
}

// One small file, as a sprite sheet or a material is defined in, loaded where it is alone in its
// folder, beside 1,000 unrelated files and beside 20,000, as among the images of a game's data
// folder. The three are timed in turn within every iteration, after checking that they load the
// same. Counters: microseconds of each, and beside_1k/alone and beside_20k/alone, which are 1
// where the files beside it cost the load nothing.
constexpr std::array<std::size_t, 3> UNRELATED_FILES = {0, 1000, 20000};
constexpr const char* SMALL_FILE = "SHEET_IMAGE == ship.tga\n"
                                   "NUM_FRAMES == 4\n"
                                   "FRAME_0 == 0,0,32,32\n"
                                   "FRAME_1 == 32,0,32,32\n"
                                   "FRAME_2 == 64,0,32,32\n"
                                   "FRAME_3 == 96,0,32,32\n"
                                   "FRAME_TIME == 0.08\n";

// The small file in a folder of its own beside unrelated files, links to one empty file, which
// are made many times faster than files, and kept from run to run all the same.
std::string smallFileBeside(const std::size_t unrelated) {
    const std::filesystem::path dir = FILES / ("beside-" + std::to_string(unrelated));
    std::filesystem::create_directories(dir);
    const std::filesystem::path first = dir / "image0.tga";
    for (std::size_t file = 0; file < unrelated; ++file) {
        const std::filesystem::path image = dir / ("image" + std::to_string(file) + ".tga");
        if (file == 0) {
            std::ofstream{image};
        } else if (!std::filesystem::exists(image)) {
            std::filesystem::create_hard_link(first, image);
        }
    }
    const std::string path = (dir / "sheet.cfg").string();
    Files::TextFile::save(path, SMALL_FILE);
    return path;
}

void BM_LoadSmallFileBesideUnrelatedFiles(benchmark::State& state) {
    static const std::vector<std::string> s_paths = [] {
        std::vector<std::string> paths;
        for (const std::size_t unrelated : UNRELATED_FILES) {
            paths.push_back(smallFileBeside(unrelated));
        }
        return paths;
    }();
    std::vector<std::function<void()>> loads;
    for (const std::string& path : s_paths) {
        if (load(path)->get("FRAME_3") != "96,0,32,32") {
            state.SkipWithError("the small file did not load");
            return;
        }
        loads.emplace_back([&path] { benchmark::DoNotOptimize(load(path)); });
    }
    const std::vector<double> seconds = timeInTurn(state, loads);
    state.counters["alone_us"] = perIteration(seconds[0], 1e6);
    state.counters["beside_1k_us"] = perIteration(seconds[1], 1e6);
    state.counters["beside_20k_us"] = perIteration(seconds[2], 1e6);
    state.counters["beside_1k/alone"] = seconds[1] / seconds[0];
    state.counters["beside_20k/alone"] = seconds[2] / seconds[0];
}

} // namespace

BENCHMARK(LoadIncludes_BesideOneFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadSmallFileBesideUnrelatedFiles)->Unit(benchmark::kMicrosecond)->UseRealTime();
