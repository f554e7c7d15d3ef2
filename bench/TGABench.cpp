// Decoding 2048 × 2048 TGA files with Media::TGA and with stb_image, side by side: raw and
// run-length, 8, 24 and 32 bits, flat, noisy and photo-like pixels. Each image is stored
// twice, bottom row first and top row first, and stb_image is set to give rows bottom first
// as ours does; before timing, both decoders must give the same bytes for both files.
// One benchmark per image times the four decodes (ours and stb_image, each file) in turn
// within every iteration, rotating their order, so that the ratios compare runs under the
// same conditions: on a shared machine, memory speed drifts between separate benchmarks by
// more than the differences measured here. Counters: milliseconds per decode, the ratios
// top/bottom (ours) and ours/stb (each file), and the peak heap use of one decode as a
// multiple of the decoded image.
#include "Media/TGA.h"
#include "Media/TGAHeader.h"
#include "Support/HeapCounter.h"
#include "Support/RunLengthPackets.h"
#include "Support/SecondsOf.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <new>
#include <random>
#include <string>
#include <vector>

#define STBI_MALLOC(size) HeapCounter::allocate(size)
#define STBI_REALLOC(block, size) HeapCounter::reallocate(block, size)
#define STBI_FREE(block) HeapCounter::release(block)
#define STBI_ONLY_TGA
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

namespace {

constexpr unsigned int side = 2048;

enum class Content { flat, noisy, photo };

struct Sample {
    unsigned int bpp;
    bool runLength;
    Content content;
    bool topRowFirst;

    std::string name() const {
        static const char* const contents[] = {"flat", "noisy", "photo"};
        return std::string(runLength ? "rle" : "raw") + std::to_string(bpp) +
               contents[static_cast<int>(content)];
    }
};

using Bytes = std::vector<unsigned char>;

// Flat: bands of 64 rows in one colour. Noisy: random colours where a quarter of the
// pixels repeat their neighbour, so run-length data mixes both packets.
void fillFlatOrNoisy(Bytes& pixels, const unsigned int bytesPerPixel, const Content content) {
    std::mt19937 random(2048);
    for (std::size_t i = 0; i < pixels.size(); i += bytesPerPixel) {
        const bool repeat = content == Content::flat ? (i / bytesPerPixel) % (64 * side) != 0
                                                     : i > 0 && random() % 4 == 0;
        for (unsigned int c = 0; c < bytesPerPixel; ++c) {
            pixels[i + c] =
                repeat ? pixels[i + c - bytesPerPixel] : static_cast<unsigned char>(random());
        }
    }
}

// Photo-like: a smooth plasma of sine waves, a different one per channel, with a little
// sensor noise on every pixel, so that runs are short and rare.
void fillPhoto(Bytes& pixels, const unsigned int bytesPerPixel) {
    std::mt19937 random(2048);
    for (unsigned int y = 0; y < side; ++y) {
        for (unsigned int x = 0; x < side; ++x) {
            for (unsigned int c = 0; c < bytesPerPixel; ++c) {
                const double phase = 1.7 * c;
                const double plasma = 128.0 + 50.0 * std::sin(x * 0.011 + phase) +
                                      40.0 * std::sin(y * 0.017 - phase) +
                                      30.0 * std::sin((x + y) * 0.006 + 2 * phase);
                const double noise = static_cast<double>(random() % 7) - 3.0;
                pixels[(std::size_t{y} * side + x) * bytesPerPixel + c] =
                    static_cast<unsigned char>(std::clamp(plasma + noise, 0.0, 255.0));
            }
        }
    }
}

// Pixel bytes in file order for a file that stores the bottom row first.
Bytes makePixels(const unsigned int bytesPerPixel, const Content content) {
    Bytes pixels(std::size_t{side} * side * bytesPerPixel);
    if (content == Content::photo) {
        fillPhoto(pixels, bytesPerPixel);
    } else {
        fillFlatOrNoisy(pixels, bytesPerPixel, content);
    }
    return pixels;
}

Bytes reverseRows(const Bytes& pixels, const std::size_t rowBytes) {
    Bytes reversed;
    reversed.reserve(pixels.size());
    for (const unsigned char* row = pixels.data() + pixels.size(); row != pixels.data();
         row -= rowBytes) {
        reversed.insert(reversed.end(), row - rowBytes, row);
    }
    return reversed;
}

void writeFile(const std::string& path, const Sample& sample) {
    const unsigned int bytesPerPixel = sample.bpp / 8;
    Bytes pixels = makePixels(bytesPerPixel, sample.content);
    if (sample.topRowFirst) {
        pixels = reverseRows(pixels, std::size_t{side} * bytesPerPixel);
    }
    if (sample.runLength) {
        pixels = runLengthPackets(pixels, bytesPerPixel);
    }
    Media::TGAHeader header{};
    header.imageType =
        static_cast<std::uint8_t>((sample.bpp == 8 ? 3 : 2) + (sample.runLength ? 8 : 0));
    header.width = side;
    header.height = side;
    header.bitsPerPixel = static_cast<std::uint8_t>(sample.bpp);
    header.descriptor = static_cast<std::uint8_t>(
        (sample.bpp == 32 ? 0x08 : 0) | (sample.topRowFirst ? Media::TGAHeader::topRowFirst : 0));
    unsigned char bytes[Media::TGAHeader::size];
    header.toBytes(bytes);
    std::FILE* const file = std::fopen(path.c_str(), "wb");
    const bool written = file != nullptr && std::fwrite(bytes, sizeof bytes, 1, file) == 1 &&
                         std::fwrite(pixels.data(), pixels.size(), 1, file) == 1;
    if (file == nullptr || std::fclose(file) != 0 || !written) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

class SampleFolder {
public:
    SampleFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "TGABench.XXXXXX");
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        m_folder = pattern;
    }
    ~SampleFolder() { std::filesystem::remove_all(m_folder); }

    const std::string& path(const Sample& sample) {
        const std::string name = sample.name() + (sample.topRowFirst ? "-top" : "-bottom");
        auto found = m_files.find(name);
        if (found == m_files.end()) {
            found = m_files.emplace(name, (m_folder / (name + ".tga")).string()).first;
            writeFile(found->second, sample);
        }
        return found->second;
    }

private:
    std::filesystem::path m_folder;
    std::map<std::string, std::string> m_files;
};

SampleFolder& samples() {
    static SampleFolder l_folder;
    return l_folder;
}

unsigned char* loadWithTGA(const char* const path) {
    unsigned int width = 0;
    unsigned int height = 0;
    unsigned int bpp = 0;
    unsigned char* data = nullptr;
    Media::TGA::loadFromFile(path, &width, &height, &bpp, &data);
    return data;
}

unsigned char* loadWithStb(const char* const path) {
    int width = 0;
    int height = 0;
    int channels = 0;
    return stbi_load(path, &width, &height, &channels, 0);
}

bool sameDecoding(const char* const path, const std::size_t image) {
    unsigned char* const ours = loadWithTGA(path);
    stbi_uc* const theirs = loadWithStb(path);
    const bool same =
        ours != nullptr && theirs != nullptr && std::equal(ours, ours + image, theirs);
    delete[] ours;
    stbi_image_free(theirs);
    return same;
}

// One decoder on one file: how to load and release, and the time and peak heap it took.
struct Decoding {
    unsigned char* (*load)(const char*);
    void (*release)(unsigned char*);
    std::string path;
    double seconds = 0;

    void timeOnce() {
        seconds += secondsOf([this] {
            unsigned char* const data = load(path.c_str());
            benchmark::DoNotOptimize(data);
            release(data);
        });
    }

    double peakPerImage(const std::size_t image) const {
        HeapCounter::resetPeak();
        const std::size_t before = HeapCounter::s_live;
        release(load(path.c_str()));
        return static_cast<double>(HeapCounter::s_peak - before) / static_cast<double>(image);
    }
};

void releaseOurs(unsigned char* const data) {
    delete[] data;
}

void releaseStb(unsigned char* const data) {
    stbi_image_free(data);
}

void decodeBoth(benchmark::State& state, const Sample sample) {
    const std::size_t image = std::size_t{side} * side * sample.bpp / 8;
    Sample top = sample;
    top.topRowFirst = true;
    const std::string& bottomPath = samples().path(sample);
    const std::string& topPath = samples().path(top);
    if (!sameDecoding(bottomPath.c_str(), image) || !sameDecoding(topPath.c_str(), image)) {
        state.SkipWithError("the decoders disagree");
        return;
    }
    enum : std::size_t { oursBottom, oursTop, stbBottom, stbTop };
    std::array<Decoding, 4> decodings{{{loadWithTGA, releaseOurs, bottomPath},
                                       {loadWithTGA, releaseOurs, topPath},
                                       {loadWithStb, releaseStb, bottomPath},
                                       {loadWithStb, releaseStb, topPath}}};
    std::size_t first = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < decodings.size(); ++i) {
            decodings[(first + i) % decodings.size()].timeOnce();
        }
        first = (first + 1) % decodings.size();
    }
    const auto seconds = [&](const std::size_t which) { return decodings[which].seconds; };
    const auto milliseconds = [&](const std::size_t which) {
        return benchmark::Counter(1e3 * seconds(which), benchmark::Counter::kAvgIterations);
    };
    state.counters["ours_bottom_ms"] = milliseconds(oursBottom);
    state.counters["ours_top_ms"] = milliseconds(oursTop);
    state.counters["stb_bottom_ms"] = milliseconds(stbBottom);
    state.counters["stb_top_ms"] = milliseconds(stbTop);
    state.counters["top/bottom"] = seconds(oursTop) / seconds(oursBottom);
    state.counters["ours/stb_bottom"] = seconds(oursBottom) / seconds(stbBottom);
    state.counters["ours/stb_top"] = seconds(oursTop) / seconds(stbTop);
    state.counters["peak/image"] =
        std::max(decodings[oursBottom].peakPerImage(image), decodings[oursTop].peakPerImage(image));
}

// The floor under top/bottom: a 2048 × 2048 image of 32-bit pixels filled row by row with
// the wide stores the decoder uses for long runs, once with the rows going up in memory (as
// a bottom-first file is decoded) and once going down (as a top-first one is), in turn. The
// work is the same both ways, so "down/up" is what the memory system alone charges for the
// order of the rows.
void fillRows(benchmark::State& state) {
    constexpr std::size_t rowBytes = std::size_t{side} * 4;
    std::vector<unsigned char> image(rowBytes * side);
    const auto fill = [&](const bool down) {
        for (std::size_t row = 0; row < side; ++row) {
            unsigned char block[64];
            for (std::size_t i = 0; i < sizeof block; ++i) {
                block[i] = static_cast<unsigned char>(row + i % 4);
            }
            unsigned char* const to = image.data() + (down ? side - 1 - row : row) * rowBytes;
            for (std::size_t offset = 0; offset < rowBytes; offset += sizeof block) {
                std::memcpy(to + offset, block, sizeof block);
            }
        }
        benchmark::ClobberMemory();
    };
    double seconds[2] = {};
    bool downFirst = false;
    for (auto _ : state) {
        for (const bool down : {downFirst, !downFirst}) {
            seconds[down] += secondsOf([&] { fill(down); });
        }
        downFirst = !downFirst;
    }
    for (const bool down : {false, true}) {
        state.counters[down ? "down_ms" : "up_ms"] =
            benchmark::Counter(1e3 * seconds[down], benchmark::Counter::kAvgIterations);
    }
    state.counters["down/up"] = seconds[true] / seconds[false];
}

// Every image, ours beside stb_image, the bottom-first file beside the top-first one.
const bool l_registered = [] {
    stbi_set_flip_vertically_on_load(1);
    for (const bool runLength : {false, true}) {
        for (const unsigned int bpp : {8u, 24u, 32u}) {
            for (const Content content : {Content::flat, Content::noisy, Content::photo}) {
                const Sample sample{bpp, runLength, content, false};
                benchmark::RegisterBenchmark(("TGA/" + sample.name()).c_str(), decodeBoth, sample)
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
    benchmark::RegisterBenchmark("Floor/fill32", fillRows)->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
