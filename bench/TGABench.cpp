// Decoding 2048 × 2048 TGA files with Media::TGA and with stb_image, side by side: raw and
// run-length, 8, 24 and 32 bits, flat, noisy and photo-like pixels, and for run-length
// pixels that never repeat. Each image is stored bottom row first and top row first. Ours
// gives rows bottom first, stb_image top first; so that both do the same work, stb_image
// reads the bottom-first file's bytes marked as stored top row first (the image upside
// down), which it reads straight into our row order. Before timing, all three decodes must
// give the same bytes. A smoke run decodes 256 × 256 files instead, which it makes in a
// moment where the large ones take seconds.
// One benchmark per image times the three decodes in turn within every iteration, rotating
// their order, so that the ratios compare runs under the same conditions: on a shared
// machine, memory speed drifts between separate benchmarks by more than the differences
// measured here. Counters: milliseconds per decode, the ratios top/bottom (ours) and
// ours/stb (same bytes), and the peak heap use of one decode as a multiple of the decoded
// image. The literal-only 24- and 32-bit files are also decoded in turn by ours alone, to
// compare their time per decoded byte.
#include "BenchSizes.h"
#include "Media/ChannelOrder.h"
#include "Media/TGA.h"
#include "Media/TGAHeader.h"
#include "SecondsOf.h"
#include "Support/HeapCounter.h"
#include "Support/RunLengthPackets.h"
#include "Support/ScratchDir.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
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

const unsigned int s_side = BenchSizes::smokeRun() ? 256 : 2048;

enum class Content { flat, noisy, photo, literal };

// How a file stores the image: bottom row first, top row first, or the bytes of the
// bottom-first file marked as stored top row first.
enum class Layout { bottomFirst, topFirst, upsideDown };

struct Sample {
    unsigned int bpp;
    bool runLength;
    Content content;

    std::string name() const {
        static const char* const contents[] = {"flat", "noisy", "photo", "literal"};
        return std::string(runLength ? "rle" : "raw") + std::to_string(bpp) +
               contents[static_cast<int>(content)];
    }
    std::size_t imageBytes() const { return std::size_t{s_side} * s_side * bpp / 8; }
};

using Bytes = std::vector<unsigned char>;

// Flat: bands of 64 rows in one colour. Noisy: random colours where a quarter of the
// pixels repeat their neighbour, so run-length data mixes both packets. Literal: random
// colours, each unlike its neighbour, so run-length data is literal packets only.
void fillRandom(Bytes& pixels, const unsigned int bytesPerPixel, const Content content) {
    std::mt19937 random(2048);
    for (std::size_t i = 0; i < pixels.size(); i += bytesPerPixel) {
        const bool repeat = content == Content::flat    ? (i / bytesPerPixel) % (64 * s_side) != 0
                            : content == Content::noisy ? i > 0 && random() % 4 == 0
                                                        : false;
        unsigned char* const pixel = pixels.data() + i;
        for (unsigned int c = 0; c < bytesPerPixel; ++c) {
            pixel[c] = repeat ? (pixel - bytesPerPixel)[c] : static_cast<unsigned char>(random());
        }
        if (content == Content::literal && i > 0 &&
            std::equal(pixel, pixel + bytesPerPixel, pixel - bytesPerPixel)) {
            pixel[0] ^= 1;
        }
    }
}

// Photo-like: a smooth plasma of sine waves, a different one per channel, with a little
// sensor noise on every pixel, so that runs are short and rare.
void fillPhoto(Bytes& pixels, const unsigned int bytesPerPixel) {
    std::mt19937 random(2048);
    for (unsigned int y = 0; y < s_side; ++y) {
        for (unsigned int x = 0; x < s_side; ++x) {
            for (unsigned int c = 0; c < bytesPerPixel; ++c) {
                const double phase = 1.7 * c;
                const double plasma = 128.0 + 50.0 * std::sin(x * 0.011 + phase) +
                                      40.0 * std::sin(y * 0.017 - phase) +
                                      30.0 * std::sin((x + y) * 0.006 + 2 * phase);
                const double noise = static_cast<double>(random() % 7) - 3.0;
                pixels[(std::size_t{y} * s_side + x) * bytesPerPixel + c] =
                    static_cast<unsigned char>(std::clamp(plasma + noise, 0.0, 255.0));
            }
        }
    }
}

// Pixel bytes in file order for a file that stores the bottom row first.
Bytes makePixels(const unsigned int bytesPerPixel, const Content content) {
    Bytes pixels(std::size_t{s_side} * s_side * bytesPerPixel);
    if (content == Content::photo) {
        fillPhoto(pixels, bytesPerPixel);
    } else {
        fillRandom(pixels, bytesPerPixel, content);
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

void writeFile(const std::string& path, const Sample& sample, const Layout layout) {
    const unsigned int bytesPerPixel = sample.bpp / 8;
    Bytes pixels = makePixels(bytesPerPixel, sample.content);
    if (layout == Layout::topFirst) {
        pixels = reverseRows(pixels, std::size_t{s_side} * bytesPerPixel);
    }
    if (sample.runLength) {
        pixels = runLengthPackets(pixels, bytesPerPixel);
    }
    Media::TGAHeader header{};
    header.imageType =
        static_cast<std::uint8_t>((sample.bpp == 8 ? 3 : 2) + (sample.runLength ? 8 : 0));
    header.width = static_cast<std::uint16_t>(s_side);
    header.height = static_cast<std::uint16_t>(s_side);
    header.bitsPerPixel = static_cast<std::uint8_t>(sample.bpp);
    header.descriptor = static_cast<std::uint8_t>(
        (sample.bpp == 32 ? 0x08 : 0) |
        (layout == Layout::bottomFirst ? 0 : Media::TGAHeader::TOP_ROW_FIRST));
    unsigned char bytes[Media::TGAHeader::SIZE];
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
    const std::string& path(const Sample& sample, const Layout layout) {
        static const char* const layouts[] = {"-bottom", "-top", "-upsidedown"};
        const std::string name = sample.name() + layouts[static_cast<int>(layout)];
        auto found = m_files.find(name);
        if (found == m_files.end()) {
            found = m_files.emplace(name, m_folder.path(name + ".tga")).first;
            writeFile(found->second, sample, layout);
        }
        return found->second;
    }

private:
    ScratchDir m_folder;
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

// Whether ours decode the bottom-first and the top-first file, and stb_image the
// upside-down one, to the same bytes.
bool decodersAgree(const Sample& sample) {
    unsigned char* const bottom = loadWithTGA(samples().path(sample, Layout::bottomFirst).c_str());
    unsigned char* const top = loadWithTGA(samples().path(sample, Layout::topFirst).c_str());
    stbi_uc* const theirs = loadWithStb(samples().path(sample, Layout::upsideDown).c_str());
    const std::size_t image = sample.imageBytes();
    const bool same = bottom != nullptr && top != nullptr && theirs != nullptr &&
                      std::equal(bottom, bottom + image, top) &&
                      std::equal(bottom, bottom + image, theirs);
    delete[] bottom;
    delete[] top;
    stbi_image_free(theirs);
    return same;
}

benchmark::Counter millisecondsPerIteration(const double seconds) {
    return benchmark::Counter(1e3 * seconds, benchmark::Counter::kAvgIterations);
}

// One decoder on one file: how to load and release, and the peak heap it takes.
struct Decoding {
    unsigned char* (*load)(const char*);
    void (*release)(unsigned char*);
    std::string path;

    std::function<void()> work() const {
        return [this] {
            unsigned char* const data = load(path.c_str());
            benchmark::DoNotOptimize(data);
            release(data);
        };
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
    if (!decodersAgree(sample)) {
        state.SkipWithError("the decoders disagree");
        return;
    }
    const Decoding oursBottom{loadWithTGA, releaseOurs,
                              samples().path(sample, Layout::bottomFirst)};
    const Decoding oursTop{loadWithTGA, releaseOurs, samples().path(sample, Layout::topFirst)};
    const Decoding stb{loadWithStb, releaseStb, samples().path(sample, Layout::upsideDown)};
    const std::vector<double> seconds =
        timeInTurn(state, {oursBottom.work(), oursTop.work(), stb.work()});
    state.counters["ours_bottom_ms"] = millisecondsPerIteration(seconds[0]);
    state.counters["ours_top_ms"] = millisecondsPerIteration(seconds[1]);
    state.counters["stb_ms"] = millisecondsPerIteration(seconds[2]);
    state.counters["top/bottom"] = seconds[1] / seconds[0];
    state.counters["ours/stb"] = seconds[0] / seconds[2];
    const std::size_t image = sample.imageBytes();
    state.counters["peak/image"] =
        std::max(oursBottom.peakPerImage(image), oursTop.peakPerImage(image));
}

// Literal packets only, of 24 and of 32 bits, decoded by ours in turn: "32/24_per_byte"
// compares the time each takes per decoded byte.
void decodeLiteralDepths(benchmark::State& state) {
    const Sample literal24{24, true, Content::literal};
    const Sample literal32{32, true, Content::literal};
    if (!decodersAgree(literal24) || !decodersAgree(literal32)) {
        state.SkipWithError("the decoders disagree");
        return;
    }
    const Decoding ours24{loadWithTGA, releaseOurs, samples().path(literal24, Layout::bottomFirst)};
    const Decoding ours32{loadWithTGA, releaseOurs, samples().path(literal32, Layout::bottomFirst)};
    const std::vector<double> seconds = timeInTurn(state, {ours24.work(), ours32.work()});
    state.counters["rle24_ms"] = millisecondsPerIteration(seconds[0]);
    state.counters["rle32_ms"] = millisecondsPerIteration(seconds[1]);
    state.counters["32/24_per_byte"] = seconds[1] / seconds[0] * 3 / 4;
}

// The floor under top/bottom: an image of 32-bit pixels as large as the files', filled row by
// row with the wide stores the decoder uses for long runs, once with the rows going up in
// memory (as a bottom-first file is decoded) and once going down (as a top-first one is), in
// turn. The work is the same both ways, so "down/up" is what the memory system alone charges
// for the order of the rows.
void fillRows(benchmark::State& state) {
    const std::size_t rowBytes = std::size_t{s_side} * 4;
    std::vector<unsigned char> image(rowBytes * s_side);
    const auto fill = [&](const bool down) {
        for (std::size_t row = 0; row < s_side; ++row) {
            unsigned char block[64];
            for (std::size_t i = 0; i < sizeof block; ++i) {
                block[i] = static_cast<unsigned char>(row + i % 4);
            }
            unsigned char* const to = image.data() + (down ? s_side - 1 - row : row) * rowBytes;
            for (std::size_t offset = 0; offset < rowBytes; offset += sizeof block) {
                std::memcpy(to + offset, block, sizeof block);
            }
        }
        benchmark::ClobberMemory();
    };
    const std::vector<double> seconds =
        timeInTurn(state, {[&] { fill(false); }, [&] { fill(true); }});
    state.counters["up_ms"] = millisecondsPerIteration(seconds[0]);
    state.counters["down_ms"] = millisecondsPerIteration(seconds[1]);
    state.counters["down/up"] = seconds[1] / seconds[0];
}

// The floor under the channel swap: the pixels of a 32-bit image as large as the files',
// swapped in place and copied with memcpy, in turn. Both read and write every byte once, so
// "swap/memcpy" at 1 or below means the swap keeps up with memory.
void swapChannels(benchmark::State& state) {
    const std::size_t pixels = std::size_t{s_side} * s_side;
    Bytes image = makePixels(4, Content::noisy);
    Bytes copy(image.size());
    const std::vector<double> seconds = timeInTurn(
        state, {[&] {
                    Media::ChannelOrder<4>::swapRedBlue(image.data(), image.data(), pixels);
                    benchmark::ClobberMemory();
                },
                [&] {
                    std::memcpy(copy.data(), image.data(), image.size());
                    benchmark::ClobberMemory();
                }});
    state.counters["swap_ms"] = millisecondsPerIteration(seconds[0]);
    state.counters["memcpy_ms"] = millisecondsPerIteration(seconds[1]);
    state.counters["swap/memcpy"] = seconds[0] / seconds[1];
}

// Every image, ours beside stb_image, the bottom-first file beside the top-first one.
const bool l_registered = [] {
    for (const bool runLength : {false, true}) {
        for (const unsigned int bpp : {8u, 24u, 32u}) {
            for (const Content content :
                 {Content::flat, Content::noisy, Content::photo, Content::literal}) {
                const Sample sample{bpp, runLength, content};
                if (content != Content::literal || runLength) {
                    benchmark::RegisterBenchmark(("TGA/" + sample.name()).c_str(), decodeBoth,
                                                 sample)
                        ->Unit(benchmark::kMillisecond);
                }
            }
        }
    }
    benchmark::RegisterBenchmark("TGA/rleliteral32vs24", decodeLiteralDepths)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Floor/fill32", fillRows)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Floor/swap32", swapChannels)->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
