#pragma once

#include <cstdint>

namespace Util {

// A colour of four 8-bit channels. Written in text as 0xRRGGBBAA; OpenGL float
// colours take each channel divided by 255.
struct RGBA {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
    std::uint8_t a;
};

} // namespace Util
