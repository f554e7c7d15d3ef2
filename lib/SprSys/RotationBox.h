#pragma once

namespace SprSys {

// The four corners of a quad centred on the origin, turned by some angle: corner 0 top left,
// 1 bottom left, 2 bottom right, 3 top right before turning (y up).
struct RotationBox {
    float x0, y0;
    float x1, y1;
    float x2, y2;
    float x3, y3;
};

} // namespace SprSys
