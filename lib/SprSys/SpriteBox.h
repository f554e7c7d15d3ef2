#pragma once

namespace SprSys {

// The texture rectangle of one sheet frame in normalised coordinates: (u0, v0) at its first
// pixel column and row, (u1, v1) at its far edges. A mirrored box has a pair exchanged.
struct SpriteBox {
    float u0;
    float v0;
    float u1;
    float v1;
};

} // namespace SprSys
