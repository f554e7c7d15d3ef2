#pragma once

namespace MatSys {
class I_Texture;
}

namespace Render {

// A framebuffer to render into, either into a texture or into storage of its own.
class I_RenderBuffer {
public:
    // Framebuffer target (both, read, draw) crossed with the storage (RGB, RGBA, or
    // depth-stencil, the only storage that a texture may be rendered into beside).
    enum RBType : int {
        RBUF_RGB = 1,
        RBUF_RGBA = 2,
        RBUF_TEX = 3,
        RBUF_READ_RGB = 4,
        RBUF_READ_RGBA = 5,
        RBUF_READ_TEX = 6,
        RBUF_DRAW_RGB = 7,
        RBUF_DRAW_RGBA = 8,
        RBUF_DRAW_TEX = 9
    };

    virtual ~I_RenderBuffer() = default;

    virtual bool isValid() const = 0;
    // Binds the framebuffer; a texture (with its layer for 3D textures) other than the one
    // attached becomes the colour attachment. A null texture only binds.
    virtual void beginUsing(MatSys::I_Texture* texture, int layer) = 0;
    virtual void endUsing() = 0;
};

} // namespace Render
