#pragma once

namespace Render {

// Projection and viewport record. A field holding its keep value (the defaults below, except
// perspective) leaves the current value in place when the record is set.
struct ViewData {
    float near = 0.0f;
    float far = 0.0f;
    // Vertical field of view in degrees, perspective only.
    float fov = 0.0f;
    int x = -1;
    int y = -1;
    int width = 0;
    int height = 0;
    // Multiplies the field of view in perspective, the horizontal extent in orthographic.
    float scaleX = 0.0f;
    // Multiplies the vertical extent in orthographic.
    float scaleY = 0.0f;
    // Swap interval wish: 0 off, anything else on.
    int vsync = -1;
    // Perspective projection with depth test, or orthographic without.
    bool perspective = true;
};

} // namespace Render
