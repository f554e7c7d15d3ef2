#pragma once

#include <cstddef>
#include <cstring>

namespace Media {

// TGA stores B, G, R (A) where memory holds R, G, B (A), so exchanging the first and
// third byte of each pixel converts either way.
template <unsigned int bytesPerPixel>
class ChannelOrder {
public:
    // Copies `pixels` pixels from `from` to `to`, which may be the same buffer.
    static void swapRedBlue(const unsigned char* from, unsigned char* to, std::size_t pixels) {
        if constexpr (bytesPerPixel == 1) {
            if (from != to) {
                std::memcpy(to, from, pixels);
            }
            return;
        }
        if constexpr (bytesPerPixel == 4) {
            for (; pixels >= blockPixels; pixels -= blockPixels) {
                swapBlock(from, to);
                from += blockBytes;
                to += blockBytes;
            }
        }
        for (; pixels > 0; --pixels, from += bytesPerPixel, to += bytesPerPixel) {
            const unsigned char first = from[0];
            to[0] = from[2];
            to[1] = from[1];
            to[2] = first;
            if constexpr (bytesPerPixel == 4) {
                to[3] = from[3];
            }
        }
    }

private:
    static constexpr std::size_t blockPixels = 16;
    static constexpr std::size_t blockBytes = blockPixels * bytesPerPixel;

    // Copying through locals frees the loop from any aliasing between `from` and `to`,
    // which lets gcc vectorise it at -O2. It only pays off for four bytes per pixel.
    static void swapBlock(const unsigned char* from, unsigned char* to) {
        unsigned char in[blockBytes];
        unsigned char out[blockBytes];
        std::memcpy(in, from, blockBytes);
        for (std::size_t i = 0; i < blockPixels; ++i) {
            const std::size_t at = i * bytesPerPixel;
            out[at] = in[at + 2];
            out[at + 1] = in[at + 1];
            out[at + 2] = in[at];
            out[at + 3] = in[at + 3];
        }
        std::memcpy(to, out, blockBytes);
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
