#pragma once

#include "Render/I_RenderBuffer.h"

namespace Render {

// Factory of render buffers.
class I_CreateRenderBuffer {
public:
    virtual ~I_CreateRenderBuffer() = default;

    // A new usable render buffer owned by the caller, or null. The texture (with its layer
    // for 3D textures) is the colour attachment, allowed only for the depth-stencil kinds.
    virtual I_RenderBuffer* createRenderBuffer(int width, int height, I_RenderBuffer::RBType type,
                                               MatSys::I_Texture* texture, int layer) = 0;
};

} // namespace Render
