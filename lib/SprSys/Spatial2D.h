#pragma once

namespace SprSys {

// Where a sprite or a text is placed, and the pen position text layout returns.
struct Spatial2D {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    // Whole degrees, counter-clockwise.
    int angle = 0;
};

} // namespace SprSys
