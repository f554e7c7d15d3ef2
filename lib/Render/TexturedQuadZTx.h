#pragma once

namespace Render {

// Four vertices of position and 3D texture coordinates, 96 bytes.
struct TexturedQuadZTx {
    struct Vertex {
        float x;
        float y;
        float z;
        float u;
        float v;
        float w;
    };

    Vertex vertices[4];
};

static_assert(sizeof(TexturedQuadZTx) == 96, "TexturedQuadZTx is copied as raw vertex bytes");

} // namespace Render
