#pragma once

namespace Render {

// Four vertices of position and 2D texture coordinates, 80 bytes.
struct TexturedQuad {
    struct Vertex {
        float x;
        float y;
        float z;
        float u;
        float v;
    };

    Vertex vertices[4];
};

static_assert(sizeof(TexturedQuad) == 80, "TexturedQuad is copied as raw vertex bytes");

} // namespace Render
