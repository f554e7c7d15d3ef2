#pragma once

#include <cstddef>
#include <cstdint>

namespace Media {

// The 18-byte TGA file header, reduced to the fields the codec reads or writes; the
// colour map description and the origin are ignored on reading and written as 0.
struct TGAHeader {
    static constexpr std::size_t SIZE = 18;
    static constexpr std::uint8_t COLOUR_MAPPED = 1;
    static constexpr std::uint8_t TOP_ROW_FIRST = 0x20;
    // The low descriptor bits count alpha bits per pixel; only 0 and 8 are accepted.
    static constexpr std::uint8_t ODD_ALPHA_BITS = 0x07;

    std::uint8_t idLength;
    std::uint8_t colourMapType;
    std::uint8_t imageType;
    std::uint16_t width;
    std::uint16_t height;
    std::uint8_t bitsPerPixel;
    std::uint8_t descriptor;

    static TGAHeader fromBytes(const unsigned char* bytes);
    void toBytes(unsigned char* bytes) const;

    bool runLengthEncoded() const { return imageType == 10 || imageType == 11; }
};

} // namespace Media
