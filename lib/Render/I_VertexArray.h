#pragma once

namespace Render {

// Interleaved vertex data whose per-vertex layout is declared slot by slot, filled with raw
// bytes and bound around draw calls. Made by the render controller, owned by the caller.
class I_VertexArray {
public:
    // Component type of a slot.
    enum DataType : int { VA_FLOAT = 1, VA_UNSIGNED_BYTE = 2, VA_SHORT = 3 };

    virtual ~I_VertexArray() = default;

    // Size in bytes.
    virtual int getBufferSize() const = 0;
    // Each definition appends its components at the current end of the vertex.
    virtual void defineVertexInfo(int count, DataType type) = 0;
    virtual void defineTextureInfo(int count, DataType type) = 0;
    virtual void defineColorInfo(int count, DataType type) = 0;
    // The first generic attribute.
    virtual void defineAttrInfo(int count, DataType type) = 0;
    // Generic attribute 0 to 3.
    virtual void defineAttrInfo(int index, int count, DataType type) = 0;
    // Feeds the positions as texture coordinates as well.
    virtual void setUseVertexInfoAsTextureInfo(bool use) = 0;
    // Three floats per vertex whatever the layout; the offset is in bytes.
    virtual void getVertices(float* dst, int count, int offset) const = 0;
    virtual void putVertices(const float* src, int count, int offset) = 0;
    // Size and offset in bytes.
    virtual void getData(void* dst, int size, int offset) const = 0;
    virtual void putData(const void* src, int size, int offset) = 0;
    virtual void beginUsing() const = 0;
    virtual void endUsing() const = 0;
};

} // namespace Render
