#pragma once

#include <cstdint>

namespace SprSys {

// One drawable part of a sprite: which sprite-sheet frame to draw, where from the sprite's
// position (unscaled pixels), mirrored how, turned and scaled by how much. A plain record.
struct AnimFrame {
    // Which of the sheet's four box tables is used.
    enum Orientation : std::uint32_t {
        N = 0,  // the box as cut
        H = 1,  // mirrored top to bottom
        V = 2,  // mirrored left to right
        HV = 3, // both
    };

    std::uint32_t frameIndex = 0;
    std::int16_t offsetX = 0;
    std::int16_t offsetY = 0;
    Orientation orientation = N;
    // Whole degrees, added to the sprite's angle.
    std::int16_t angle = 0;
    // Multiplied with the sprite's own scale.
    float scaleX = 1.0f;
    float scaleY = 1.0f;
};

} // namespace SprSys
