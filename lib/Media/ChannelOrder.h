#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace Media {

// TGA stores B, G, R (A) where memory holds R, G, B (A), so exchanging the first and
// third byte of each pixel converts either way.
template <unsigned int bytesPerPixel>
class ChannelOrder {
public:
    // Copies `pixels` pixels from `from` to `to`, which are either the same buffer or apart.
    static void swapRedBlue(const unsigned char* from, unsigned char* to, std::size_t pixels) {
        if constexpr (bytesPerPixel == 1) {
            if (from != to) {
                std::memcpy(to, from, pixels);
            }
        } else if constexpr (bytesPerPixel == 4) {
            for (; pixels >= BLOCK_PIXELS; pixels -= BLOCK_PIXELS) {
                // The block is copied first and then reordered in place: g++ 12 at -O2
                // vectorises no loop whose source and destination might overlap.
                if (from != to) {
                    std::memcpy(to, from, BLOCK_BYTES);
                }
                for (std::size_t i = 0; i < BLOCK_BYTES; i += 4) {
                    swapWord(to + i, to + i);
                }
                from += BLOCK_BYTES;
                to += BLOCK_BYTES;
            }
            for (; pixels > 0; --pixels, from += 4, to += 4) {
                swapWord(from, to);
            }
        } else {
            for (; pixels > 0; --pixels, from += bytesPerPixel, to += bytesPerPixel) {
                const unsigned char first = from[0];
                to[0] = from[2];
                to[1] = from[1];
                to[2] = first;
            }
        }
    }

private:
    // g++ 12 at -O2 vectorises a loop only when its count is a known multiple of the vector
    // width, hence blocks of a fixed size. clang 14 at -O3 unrolls a block of 32 pixels or
    // fewer whole and then leaves it unvectorised, hence 64.
    static constexpr std::size_t BLOCK_PIXELS = 64;
    static constexpr std::size_t BLOCK_BYTES = BLOCK_PIXELS * bytesPerPixel;

    // Read as a 32-bit word, a pixel keeps its second and fourth byte, and a rotation by 16
    // bits brings its first and third byte to each other's place, whatever the byte order.
    static void swapWord(const unsigned char* const from, unsigned char* const to) {
        static constexpr unsigned char KEPT_BYTES[4] = {0, 0xFF, 0, 0xFF};
        std::uint32_t kept = 0;
        std::memcpy(&kept, KEPT_BYTES, sizeof kept);
        std::uint32_t word = 0;
        std::memcpy(&word, from, sizeof word);
        word = (word & kept) | (((word >> 16) | (word << 16)) & ~kept);
        std::memcpy(to, &word, sizeof word);
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
