#pragma once

#include "Render/I_VertexArray.h"
#include "Render/TexturedQuad.h"
#include "Render/TexturedQuadZTx.h"

namespace Render {

// Factories of vertex arrays. Sizes are in bytes; isStatic asks for static rather than
// dynamic buffer use. Each returns a new array owned by the caller, or null when no array
// of that size can be made.
class I_CreateVertexArray {
public:
    virtual ~I_CreateVertexArray() = default;

    // Position 3, texture 2 and colour 4 floats per vertex (36 bytes).
    virtual I_VertexArray* createVTCArray(int size, bool isStatic) = 0;
    // No layout declared.
    virtual I_VertexArray* createVertexArray(int size, bool isStatic) = 0;
    // The quad's four vertices, layout declared and filled.
    virtual I_VertexArray* createTexturedQuadVA(const TexturedQuad& quad, bool isStatic) = 0;
    virtual I_VertexArray* createTexturedQuadVA(const TexturedQuadZTx& quad, bool isStatic) = 0;
    // No layout declared; the slots are bound as numbered generic vertex attributes.
    virtual I_VertexArray* createAttrArray(int size, bool isStatic) = 0;
    // The createVTCArray layout plus generic attributes of 3, 3 and 1 floats (64 bytes),
    // bound as numbered generic vertex attributes.
    virtual I_VertexArray* createSpriteShaderArray(int size, bool isStatic) = 0;
};

} // namespace Render
