#pragma once

namespace Render {

// Primitive kind of a draw call.
enum RenderType : int {
    RT_POINTS = 0,
    RT_LINES = 1,
    RT_TRIANGLES = 2,
    RT_QUADS = 3,
    RT_TRIANGLE_STRIP = 4,
    RT_TRIANGLE_FAN = 5
};

} // namespace Render
