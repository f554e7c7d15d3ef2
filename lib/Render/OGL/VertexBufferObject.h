#pragma once

#include "Render/OGL/VertexArray.h"

namespace OGL {

// Interleaved vertex data kept in a GL buffer object. A buffer that cannot be made leaves
// the array with size 0.
class VertexBufferObject : public VertexArray {
public:
    // usage is the GL usage hint (GL_STATIC_DRAW, GL_DYNAMIC_DRAW, ...).
    VertexBufferObject(int size, unsigned int usage);
    VertexBufferObject(int size, unsigned int usage, unsigned int target);
    ~VertexBufferObject() override;

    virtual void constructVBO(unsigned int usage);

    static bool VBOsSupported();

protected:
    // Transfers bind this array's buffer for their duration.
    void readBytes(void* dst, int size, int offset) const override;
    void writeBytes(const void* src, int size, int offset) override;
};

} // namespace OGL
