#pragma once

#include "Render/I_RenderBuffer.h"

namespace OGL {

// A framebuffer object rendering into a texture of the material system or into a
// renderbuffer of its own. Invalid (0 x 0) for good when it could not be made complete.
class RenderBuffer : public Render::I_RenderBuffer {
public:
    RenderBuffer(int width, int height, Render::I_RenderBuffer::RBType type,
                 MatSys::I_Texture* texture, int layer);
    ~RenderBuffer() override;
    RenderBuffer(const RenderBuffer&) = delete;
    RenderBuffer& operator=(const RenderBuffer&) = delete;

    bool isValid() const override;
    void beginUsing(MatSys::I_Texture* texture, int layer) override;
    void endUsing() override;

    // The largest renderbuffer side of the context, queried once.
    static int getMaxSize();

private:
    void invalidate();
    // Makes the texture the colour attachment (3D textures at the given layer).
    void attachTexture(MatSys::I_Texture* texture, int layer);

    int m_width;
    int m_height;
    unsigned int m_framebuffer = 0;
    unsigned int m_renderbuffer = 0;
    unsigned int m_textureId;
    int m_layer;
    unsigned int m_target = 0;

    static int s_maxSize;
};

} // namespace OGL
