#pragma once

namespace Render {

// A GL pixel buffer for asynchronous pixel transfers.
class I_PixelBuffer {
public:
    virtual ~I_PixelBuffer() = default;

    // Size in bytes.
    virtual int getBufferSize() const = 0;
    // Binds the buffer to receive pixels (pack) or to send them (unpack).
    virtual void beginUsing(bool pack) const = 0;
    virtual void endUsing() const = 0;
    // Size and offset in bytes.
    virtual void getData(void* dst, int size, int offset) const = 0;
    virtual void putData(const void* src, int size, int offset) = 0;
};

} // namespace Render
