#include "Media/TGA.h"

#include "Media/ChannelOrder.h"
#include "Media/TGAHeader.h"
#include "Media/TGAReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

namespace Media {
namespace {

constexpr unsigned int MAX_SIDE = 0xFFFF;
constexpr std::uint8_t TRUE_COLOUR = 2;
constexpr std::uint8_t GREY = 3;
// Eight alpha bits and bottom row first, written for every depth.
constexpr std::uint8_t SAVED_DESCRIPTOR = 0x08;
// The writer reorders pixels into a stack buffer of this size and writes it with one fwrite.
// A multiple of 3 and of 4, it holds whole pixels at every depth; small, it stays in the cache
// between the reordering and the write.
constexpr std::size_t CHUNK_BYTES = std::size_t{48} * 1024;

bool writePixels(std::FILE* file, const unsigned char* data, std::uint64_t pixels,
                 const unsigned int bytesPerPixel) {
    std::array<unsigned char, CHUNK_BYTES> chunk;
    const std::size_t chunkPixels = chunk.size() / bytesPerPixel;
    while (pixels > 0) {
        const std::size_t count = std::min<std::uint64_t>(chunkPixels, pixels);
        swapRedBlue(data, chunk.data(), count, bytesPerPixel);
        if (std::fwrite(chunk.data(), bytesPerPixel, count, file) != count) {
            return false;
        }
        data += count * bytesPerPixel;
        pixels -= count;
    }
    return true;
}

} // namespace

bool TGA::loadFromFile(const char* path, unsigned int* width, unsigned int* height,
                       unsigned int* bpp, unsigned char** data) {
    *data = nullptr;
    if (path == nullptr) {
        return false;
    }
    std::FILE* const file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    const bool loaded = TGAReader(file).read(width, height, bpp, data);
    std::fclose(file);
    return loaded;
}

bool TGA::saveToFile(const char* path, const unsigned int width, const unsigned int height,
                     const unsigned int bpp, const unsigned char* data) {
    const bool knownDepth = bpp == 8 || bpp == 24 || bpp == 32;
    const bool fitsHeader = width > 0 && height > 0 && width <= MAX_SIDE && height <= MAX_SIDE;
    if (path == nullptr || data == nullptr || !knownDepth || !fitsHeader) {
        return false;
    }
    std::FILE* const file = std::fopen(path, "wb");
    if (file == nullptr) {
        return false;
    }
    TGAHeader header{};
    header.imageType = bpp == 8 ? GREY : TRUE_COLOUR;
    header.width = static_cast<std::uint16_t>(width);
    header.height = static_cast<std::uint16_t>(height);
    header.bitsPerPixel = static_cast<std::uint8_t>(bpp);
    header.descriptor = SAVED_DESCRIPTOR;
    unsigned char bytes[TGAHeader::SIZE];
    header.toBytes(bytes);
    const bool written = std::fwrite(bytes, 1, sizeof bytes, file) == sizeof bytes &&
                         writePixels(file, data, std::uint64_t{width} * height, bpp / 8u);
    // Closed either way; a failed close means buffered pixels never reached the file.
    return std::fclose(file) == 0 && written;
}

unsigned char* TGA::RGBtoRGBA(const unsigned char* pixels, const unsigned int width,
                              const unsigned int height) {
    const std::size_t count = std::size_t{width} * height;
    unsigned char* const rgba = new unsigned char[count * 4];
    for (std::size_t i = 0; i < count; ++i) {
        rgba[i * 4] = pixels[i * 3];
        rgba[i * 4 + 1] = pixels[i * 3 + 1];
        rgba[i * 4 + 2] = pixels[i * 3 + 2];
        rgba[i * 4 + 3] = 255;
    }
    return rgba;
}

} // namespace Media
