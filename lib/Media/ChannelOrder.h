#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

namespace Media {

// TGA stores B, G, R (A) where memory holds R, G, B (A), so exchanging the first and
// third byte of each pixel converts either way.
template <unsigned int bytesPerPixel>
class ChannelOrder {
public:
    // Copies `pixels` pixels from `from` to `to`, which are either the same buffer or apart.
    // Copied first, the pixels are reordered where they are, which leaves the compilers no
    // overlap to fear between the two buffers.
    static void swapRedBlue(const unsigned char* from, unsigned char* to,
                            const std::size_t pixels) {
        if (from != to) {
            std::memcpy(to, from, pixels * bytesPerPixel);
        }
        if constexpr (bytesPerPixel == 3) {
            for (std::size_t i = 0; i < pixels; ++i) {
                std::swap(to[i * 3], to[i * 3 + 2]);
            }
        } else if constexpr (bytesPerPixel == 4) {
            swapWords(to, pixels);
        }
    }

private:
    // gcc vectorises a loop at -O2 only when its count is a multiple of the vector width,
    // hence blocks of a fixed size. Blocks of 32 pixels or fewer are unrolled whole at -O3,
    // and clang leaves the unrolled code unvectorised.
    static constexpr std::size_t blockPixels = 64;

    static void swapWords(unsigned char* pixels, std::size_t count) {
        for (; count >= blockPixels; count -= blockPixels) {
            for (std::size_t i = 0; i < blockPixels; ++i, pixels += 4) {
                swapWord(pixels);
            }
        }
        for (; count > 0; --count, pixels += 4) {
            swapWord(pixels);
        }
    }

    // Read as a 32-bit word, a pixel keeps its second and fourth byte, and a rotation by 16
    // bits brings its first and third byte to each other's place, whatever the byte order.
    static void swapWord(unsigned char* const pixel) {
        static constexpr unsigned char keptBytes[4] = {0, 0xFF, 0, 0xFF};
        std::uint32_t kept = 0;
        std::memcpy(&kept, keptBytes, sizeof kept);
        std::uint32_t word = 0;
        std::memcpy(&word, pixel, sizeof word);
        word = (word & kept) | (((word >> 16) | (word << 16)) & ~kept);
        std::memcpy(pixel, &word, sizeof word);
    }
};

inline void swapRedBlue(const unsigned char* from, unsigned char* to, const std::size_t pixels,
                        const unsigned int bytesPerPixel) {
    if (bytesPerPixel == 3) {
        ChannelOrder<3>::swapRedBlue(from, to, pixels);
    } else if (bytesPerPixel == 4) {
        ChannelOrder<4>::swapRedBlue(from, to, pixels);
    } else {
        ChannelOrder<1>::swapRedBlue(from, to, pixels);
    }
}

} // namespace Media
