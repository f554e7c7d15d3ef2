// Hands arbitrary bytes to the TGA decoder through a stream over memory, the same code
// path that Media::TGA::loadFromFile takes for a file.
#include "Media/TGAReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, const std::size_t size) {
    // fmemopen only reads in "r" mode; it wants a non-const buffer all the same.
    std::FILE* const stream = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (stream == nullptr) {
        return 0;
    }
    unsigned int width = 0;
    unsigned int height = 0;
    unsigned int bpp = 0;
    unsigned char* pixels = nullptr;
    if (Media::TGAReader(stream).read(&width, &height, &bpp, &pixels)) {
        // Touching the last byte shows the buffer is as large as the header claims.
        const std::size_t bytes = std::size_t{width} * height * (bpp / 8);
        volatile unsigned char last = pixels[bytes - 1];
        static_cast<void>(last);
        delete[] pixels;
    }
    std::fclose(stream);
    return 0;
}
