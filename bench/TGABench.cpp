// Decoding 2048 × 2048 TGA files with Media::TGA and with stb_image, side by side: raw and
// run-length, 8, 24 and 32 bits, flat, noisy and photo-like pixels, each stored bottom row
// first and top row first. Both files of a pair hold the same image, and stb_image is set
// to give rows bottom first as ours does; before timing, both decoders must give the same
// bytes. The files are written to a temporary folder on first use; every case also reports
// the peak heap use of one decode as a multiple of the decoded image ("peak/image").
#include "Media/TGA.h"
#include "Media/TGAHeader.h"
#include "Support/HeapCounter.h"
#include "Support/RunLengthPackets.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
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
               contents[static_cast<int>(content)] + (topRowFirst ? "/top" : "/bottom");
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
        std::string name = sample.name();
        std::replace(name.begin(), name.end(), '/', '-');
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

// Times `load` and `release` on the sample's file, then decodes once more outside the
// timed loop with the heap peak reset.
template <typename Load, typename Release>
void decode(benchmark::State& state, const Sample& sample, Load load, Release release) {
    const char* const path = samples().path(sample).c_str();
    const std::size_t image = std::size_t{side} * side * sample.bpp / 8;
    if (!sameDecoding(path, image)) {
        state.SkipWithError("the decoders disagree");
        return;
    }
    for (auto _ : state) {
        unsigned char* const data = load(path);
        benchmark::DoNotOptimize(data);
        release(data);
    }
    HeapCounter::resetPeak();
    const std::size_t before = HeapCounter::s_live;
    release(load(path));
    state.counters["peak/image"] =
        static_cast<double>(HeapCounter::s_peak - before) / static_cast<double>(image);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(image));
}

void decodeWithTGA(benchmark::State& state, const Sample sample) {
    decode(state, sample, loadWithTGA, [](unsigned char* const data) { delete[] data; });
}

void decodeWithStb(benchmark::State& state, const Sample sample) {
    decode(state, sample, loadWithStb, [](unsigned char* const data) { stbi_image_free(data); });
}

// Every sample, ours beside stb_image, the bottom-first file beside the top-first one.
const bool l_registered = [] {
    stbi_set_flip_vertically_on_load(1);
    for (const bool runLength : {false, true}) {
        for (const unsigned int bpp : {8u, 24u, 32u}) {
            for (const Content content : {Content::flat, Content::noisy, Content::photo}) {
                for (const bool topRowFirst : {false, true}) {
                    const Sample sample{bpp, runLength, content, topRowFirst};
                    benchmark::RegisterBenchmark(("TGA/" + sample.name()).c_str(), decodeWithTGA,
                                                 sample)
                        ->Unit(benchmark::kMillisecond);
                    benchmark::RegisterBenchmark(("Stb/" + sample.name()).c_str(), decodeWithStb,
                                                 sample)
                        ->Unit(benchmark::kMillisecond);
                }
            }
        }
    }
    return true;
}();

} // namespace
