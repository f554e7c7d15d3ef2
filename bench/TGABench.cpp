// Decoding 2048 × 2048 TGA files with Media::TGA and with stb_image, side by side. The
// files are written to a temporary folder on first use; every case also reports the peak
// heap use of one decode as a multiple of the decoded image ("peak/image").
#include "Media/TGA.h"
#include "Media/TGAHeader.h"
#include "Support/HeapCounter.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

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

enum class Content { flat, noisy };

struct Sample {
    unsigned int bpp;
    bool runLength;
    Content content;
};

// Pixels in file order. Flat: bands of 64 rows in one colour. Noisy: random colours where
// a quarter of the pixels repeat their neighbour, so run-length data mixes both packets.
std::vector<unsigned char> makePixels(const unsigned int bytesPerPixel, const Content content) {
    std::vector<unsigned char> pixels(std::size_t{side} * side * bytesPerPixel);
    std::mt19937 random(2048);
    for (std::size_t i = 0; i < pixels.size(); i += bytesPerPixel) {
        const bool repeat = content == Content::flat ? (i / bytesPerPixel) % (64 * side) != 0
                                                     : i > 0 && random() % 4 == 0;
        for (unsigned int c = 0; c < bytesPerPixel; ++c) {
            pixels[i + c] =
                repeat ? pixels[i + c - bytesPerPixel] : static_cast<unsigned char>(random());
        }
    }
    return pixels;
}

bool samePixel(const unsigned char* a, const unsigned char* b, const unsigned int size) {
    return std::equal(a, a + size, b);
}

// Greedy packets: two or more equal pixels make a repeated packet, the rest literal ones.
std::vector<unsigned char> runLengthEncode(const std::vector<unsigned char>& pixels,
                                           const unsigned int bpp) {
    std::vector<unsigned char> packets;
    const std::size_t count = pixels.size() / bpp;
    const auto at = [&](const std::size_t i) { return pixels.data() + i * bpp; };
    const auto repeats = [&](const std::size_t i) {
        return i + 1 < count && samePixel(at(i), at(i + 1), bpp);
    };
    for (std::size_t i = 0; i < count;) {
        std::size_t n = 1;
        if (repeats(i)) {
            while (n < 128 && i + n < count && samePixel(at(i), at(i + n), bpp)) {
                ++n;
            }
            packets.push_back(static_cast<unsigned char>(0x80 | (n - 1)));
            packets.insert(packets.end(), at(i), at(i) + bpp);
        } else {
            while (n < 128 && i + n < count && !repeats(i + n)) {
                ++n;
            }
            packets.push_back(static_cast<unsigned char>(n - 1));
            packets.insert(packets.end(), at(i), at(i + n));
        }
        i += n;
    }
    return packets;
}

void writeRunLengthFile(const std::string& path, const std::vector<unsigned char>& pixels,
                        const unsigned int bpp) {
    Media::TGAHeader header{};
    header.imageType = bpp == 8 ? 11 : 10;
    header.width = side;
    header.height = side;
    header.bitsPerPixel = static_cast<std::uint8_t>(bpp);
    header.descriptor = 0x08;
    unsigned char bytes[Media::TGAHeader::size];
    header.toBytes(bytes);
    const std::vector<unsigned char> packets = runLengthEncode(pixels, bpp / 8);
    std::FILE* const file = std::fopen(path.c_str(), "wb");
    const bool written = file != nullptr && std::fwrite(bytes, sizeof bytes, 1, file) == 1 &&
                         std::fwrite(packets.data(), packets.size(), 1, file) == 1;
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
        const std::string name = std::to_string(sample.bpp) + (sample.runLength ? "rle" : "raw") +
                                 (sample.content == Content::flat ? "flat" : "noisy") + ".tga";
        auto found = m_files.find(name);
        if (found == m_files.end()) {
            found = m_files.emplace(name, (m_folder / name).string()).first;
            write(found->second, sample);
        }
        return found->second;
    }

private:
    static void write(const std::string& path, const Sample& sample) {
        const std::vector<unsigned char> pixels = makePixels(sample.bpp / 8, sample.content);
        if (sample.runLength) {
            writeRunLengthFile(path, pixels, sample.bpp);
        } else if (!Media::TGA::saveToFile(path.c_str(), side, side, sample.bpp, pixels.data())) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            std::exit(1);
        }
    }

    std::filesystem::path m_folder;
    std::map<std::string, std::string> m_files;
};

SampleFolder& samples() {
    static SampleFolder l_folder;
    return l_folder;
}

// Decodes once more outside the timed loop with the heap peak reset.
template <typename Decode>
void reportPeak(benchmark::State& state, const Sample& sample, Decode decode) {
    const std::size_t image = std::size_t{side} * side * sample.bpp / 8;
    HeapCounter::resetPeak();
    const std::size_t before = HeapCounter::s_live;
    decode();
    state.counters["peak/image"] =
        static_cast<double>(HeapCounter::s_peak - before) / static_cast<double>(image);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(image));
}

void decodeWithTGA(benchmark::State& state, const Sample sample) {
    const char* const path = samples().path(sample).c_str();
    const auto decode = [&] {
        unsigned int width = 0;
        unsigned int height = 0;
        unsigned int bpp = 0;
        unsigned char* data = nullptr;
        if (!Media::TGA::loadFromFile(path, &width, &height, &bpp, &data)) {
            state.SkipWithError("loadFromFile failed");
        }
        benchmark::DoNotOptimize(data);
        delete[] data;
    };
    for (auto _ : state) {
        decode();
    }
    reportPeak(state, sample, decode);
}

void decodeWithStb(benchmark::State& state, const Sample sample) {
    const char* const path = samples().path(sample).c_str();
    const auto decode = [&] {
        int width = 0;
        int height = 0;
        int channels = 0;
        stbi_uc* const data = stbi_load(path, &width, &height, &channels, 0);
        if (data == nullptr) {
            state.SkipWithError("stbi_load failed");
        }
        benchmark::DoNotOptimize(data);
        stbi_image_free(data);
    };
    for (auto _ : state) {
        decode();
    }
    reportPeak(state, sample, decode);
}

#define TGA_CASE(name, ...)                                                                        \
    BENCHMARK_CAPTURE(decodeWithTGA, name, Sample{__VA_ARGS__})->Unit(benchmark::kMillisecond);    \
    BENCHMARK_CAPTURE(decodeWithStb, name, Sample{__VA_ARGS__})->Unit(benchmark::kMillisecond)

TGA_CASE(raw24flat, 24, false, Content::flat);
TGA_CASE(raw24noisy, 24, false, Content::noisy);
TGA_CASE(raw32flat, 32, false, Content::flat);
TGA_CASE(raw32noisy, 32, false, Content::noisy);
TGA_CASE(rle24flat, 24, true, Content::flat);
TGA_CASE(rle24noisy, 24, true, Content::noisy);
TGA_CASE(rle32flat, 32, true, Content::flat);
TGA_CASE(rle32noisy, 32, true, Content::noisy);

} // namespace
