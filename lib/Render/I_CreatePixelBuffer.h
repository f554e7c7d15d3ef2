#pragma once

#include "Render/BufferDataType.h"
#include "Render/I_PixelBuffer.h"

namespace Render {

// Factory of pixel buffers.
class I_CreatePixelBuffer {
public:
    virtual ~I_CreatePixelBuffer() = default;

    // A new pixel buffer of size bytes owned by the caller, or null.
    virtual I_PixelBuffer* createPixelBuffer(int size, BufferDataType type) = 0;
};

} // namespace Render
