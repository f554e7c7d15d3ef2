#pragma once

#include "Render/I_VertexArray.h"

#include <cstddef>
#include <memory>

namespace OGL {

// Interleaved vertex data in client memory, bound through the fixed-function client arrays
// (or, for an attribute array, as numbered generic attributes). Base of the buffer-object
// kind, which keeps the bytes in GL memory instead.
class VertexArray : public Render::I_VertexArray {
public:
    explicit VertexArray(int size);
    ~VertexArray() override;
    VertexArray(const VertexArray&) = delete;
    VertexArray& operator=(const VertexArray&) = delete;

    int getBufferSize() const override;
    void defineVertexInfo(int count, DataType type) override;
    void defineTextureInfo(int count, DataType type) override;
    void defineColorInfo(int count, DataType type) override;
    void defineAttrInfo(int count, DataType type) override;
    // Indices outside 0 to 3 are ignored.
    void defineAttrInfo(int index, int count, DataType type) override;
    void setUseVertexInfoAsTextureInfo(bool use) override;
    void getVertices(float* dst, int count, int offset) const override;
    void putVertices(const float* src, int count, int offset) override;
    // A transfer reaching outside the array does nothing.
    void getData(void* dst, int size, int offset) const override;
    void putData(const void* src, int size, int offset) override;
    void beginUsing() const override;
    void endUsing() const override;

    // Binds slot i as generic vertex attribute i, for shader programs.
    void beginUsingAttributes() const;
    void endUsingAttributes() const;

protected:
    // A buffer-object array: no client block, the buffer is made by the derived class.
    VertexArray(int size, unsigned int target);

    // The byte copies of getData and putData, once the range is known to fit.
    virtual void readBytes(void* dst, int size, int offset) const;
    virtual void writeBytes(const void* src, int size, int offset);

    // Records a slot's layout; every definition appends the slot at the end of the vertex.
    void setDataInfo(int slot, int count, DataType type);

    unsigned int m_target;
    unsigned int m_buffer = 0;
    int m_size;

private:
    static constexpr int SLOT_COUNT = 7;
    enum SlotIndex { POSITION = 0, TEXTURE = 1, COLOR = 2, FIRST_ATTRIBUTE = 3 };

    struct Slot {
        int count = 0; // 0: unused
        unsigned int glType = 0;
        int componentBytes = 0;
        std::size_t offset = 0; // bytes from the start of the vertex
    };

    void layOut();
    bool inUse(int slot) const { return m_slots[slot].count != 0; }
    // Where a slot's first component lies: an address in the client block, or a byte offset
    // into the bound buffer object.
    const void* pointerOf(int slot) const;

    std::unique_ptr<unsigned char[]> m_data;
    int m_stride = 0;
    Slot m_slots[SLOT_COUNT];
    // Slots in use, in the order they were last defined.
    int m_order[SLOT_COUNT] = {};
    int m_orderCount = 0;
    bool m_useVertexInfoAsTextureInfo = false;
};

} // namespace OGL
