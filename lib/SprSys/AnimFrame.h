#pragma once

#include <cstdint>

namespace SprSys {

// One drawable part of a sprite: which sheet frame, where relative to the sprite, mirrored,
// turned and scaled how.
struct AnimFrame {
    // Which of a sheet's four box tables a frame is drawn from.
    enum Orientation : std::uint32_t {
        N = 0,  // as cut
        H = 1,  // v0 and v1 exchanged: mirrored top to bottom
        V = 2,  // u0 and u1 exchanged: mirrored left to right
        HV = 3, // both
    };

    std::uint32_t frameIndex = 0;
    // Offset of the part's centre from the sprite's position, in unscaled pixels.
    std::int16_t offsetX = 0;
    std::int16_t offsetY = 0;
    Orientation orientation = N;
    // Whole degrees, added to the sprite's angle.
    std::int16_t angle = 0;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
};

} // namespace SprSys
