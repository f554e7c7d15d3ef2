#pragma once

#include "Render/I_PixelBuffer.h"

namespace OGL {

// A GL pixel buffer that receives pixels read from GL (pack) or feeds pixels to GL (unpack).
// A buffer that cannot be made has size 0.
class PixelBufferObject : public Render::I_PixelBuffer {
public:
    // usage is the GL usage hint (GL_STATIC_DRAW, GL_DYNAMIC_READ, ...).
    PixelBufferObject(int size, unsigned int usage);
    ~PixelBufferObject() override;
    PixelBufferObject(const PixelBufferObject&) = delete;
    PixelBufferObject& operator=(const PixelBufferObject&) = delete;

    int getBufferSize() const override;
    void beginUsing(bool pack) const override;
    void endUsing() const override;
    // Transfers bind this buffer for their duration; one reaching outside it does nothing.
    void getData(void* dst, int size, int offset) const override;
    void putData(const void* src, int size, int offset) override;

private:
    // Pack or unpack, chosen by the last beginUsing.
    mutable unsigned int m_target;
    unsigned int m_buffer = 0;
    int m_size = 0;
};

} // namespace OGL
