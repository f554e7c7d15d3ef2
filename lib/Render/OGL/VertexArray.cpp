#include "Render/OGL/VertexArray.h"

#include "OGL/GLErrors.h"
#include "Render/OGL/BufferObjects.h"
#include "Util/Abort.h"

#include <GL/glew.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>

namespace OGL {

namespace {

constexpr int BYTES_PER_VERTEX = 3 * sizeof(float);

int nonNegative(int size) {
    return size > 0 ? size : 0;
}

// The bytes of count vertices; -1, which no transfer accepts, where they would not fit an int.
int vertexBytes(int count) {
    return count >= 0 && count <= INT_MAX / BYTES_PER_VERTEX ? count * BYTES_PER_VERTEX : -1;
}

} // namespace

VertexArray::VertexArray(int size) : m_target(GL_ARRAY_BUFFER), m_size(nonNegative(size)) {
    if (m_size > 0) {
        m_data.reset(new unsigned char[static_cast<std::size_t>(m_size)]);
    }
}

VertexArray::VertexArray(int size, unsigned int target)
    : m_target(target), m_size(nonNegative(size)) {}

VertexArray::~VertexArray() = default;

int VertexArray::getBufferSize() const {
    return m_size;
}

void VertexArray::defineVertexInfo(int count, DataType type) {
    setDataInfo(POSITION, count, type);
}

void VertexArray::defineTextureInfo(int count, DataType type) {
    setDataInfo(TEXTURE, count, type);
}

void VertexArray::defineColorInfo(int count, DataType type) {
    setDataInfo(COLOR, count, type);
}

void VertexArray::defineAttrInfo(int count, DataType type) {
    setDataInfo(FIRST_ATTRIBUTE, count, type);
}

void VertexArray::defineAttrInfo(int index, int count, DataType type) {
    if (index >= 0 && index < SLOT_COUNT - FIRST_ATTRIBUTE) {
        setDataInfo(FIRST_ATTRIBUTE + index, count, type);
    }
}

void VertexArray::setUseVertexInfoAsTextureInfo(bool use) {
    m_useVertexInfoAsTextureInfo = use;
}

void VertexArray::setDataInfo(int slot, int count, DataType type) {
    Slot& s = m_slots[slot];
    switch (type) {
    case VA_FLOAT:
        s.glType = GL_FLOAT;
        s.componentBytes = 4;
        break;
    case VA_UNSIGNED_BYTE:
        s.glType = GL_UNSIGNED_BYTE;
        s.componentBytes = 1;
        break;
    case VA_SHORT:
        s.glType = GL_SHORT;
        s.componentBytes = 2;
        break;
    default:
        UTIL_ABORT("UNKNOWN VertexArrayDataType " << static_cast<int>(type));
    }
    s.count = std::max(count, 0);
    // A redefined slot moves to the end of the vertex and the others close up behind it, so
    // the offsets always tile the stride.
    int* const end = m_order + m_orderCount;
    m_orderCount = static_cast<int>(std::remove(m_order, end, slot) - m_order);
    if (s.count != 0) {
        m_order[m_orderCount++] = slot;
    }
    layOut();
}

void VertexArray::layOut() {
    std::size_t offset = 0;
    for (int i = 0; i < m_orderCount; ++i) {
        Slot& s = m_slots[m_order[i]];
        s.offset = offset;
        offset += static_cast<std::size_t>(s.count) * static_cast<std::size_t>(s.componentBytes);
    }
    m_stride = static_cast<int>(offset);
}

const void* VertexArray::pointerOf(int slot) const {
    const std::size_t offset = m_slots[slot].offset;
    if (m_data) {
        return m_data.get() + offset;
    }
    // With a buffer bound, GL reads the pointer as an offset into the buffer.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    return reinterpret_cast<const void*>(static_cast<std::uintptr_t>(offset));
}

void VertexArray::getVertices(float* dst, int count, int offset) const {
    getData(dst, vertexBytes(count), offset);
}

void VertexArray::putVertices(const float* src, int count, int offset) {
    putData(src, vertexBytes(count), offset);
}

void VertexArray::getData(void* dst, int size, int offset) const {
    if (transferInside(m_size, size, offset)) {
        readBytes(dst, size, offset);
    }
}

void VertexArray::putData(const void* src, int size, int offset) {
    if (transferInside(m_size, size, offset)) {
        writeBytes(src, size, offset);
    }
}

void VertexArray::readBytes(void* dst, int size, int offset) const {
    std::memcpy(dst, m_data.get() + offset, static_cast<std::size_t>(size));
}

void VertexArray::writeBytes(const void* src, int size, int offset) {
    std::memcpy(m_data.get() + offset, src, static_cast<std::size_t>(size));
}

void VertexArray::beginUsing() const {
    // Enables one fixed-function array and points it at a slot's data, with the slot's layout.
    using SetPointer = void(GLAPIENTRY*)(GLint, GLenum, GLsizei, const void*);
    const auto enable = [this](const int slot, const GLenum array, const SetPointer setPointer) {
        glEnableClientState(array);
        setPointer(m_slots[slot].count, m_slots[slot].glType, m_stride, pointerOf(slot));
    };
    // Buffer 0 for a client array turns the pointers below into client addresses.
    glBindBuffer(m_target, m_buffer);
    if (inUse(TEXTURE)) {
        enable(TEXTURE, GL_TEXTURE_COORD_ARRAY, glTexCoordPointer);
    }
    if (inUse(COLOR)) {
        enable(COLOR, GL_COLOR_ARRAY, glColorPointer);
    }
    if (inUse(FIRST_ATTRIBUTE)) {
        enable(FIRST_ATTRIBUTE, GL_SECONDARY_COLOR_ARRAY, glSecondaryColorPointer);
    }
    if (inUse(POSITION)) {
        enable(POSITION, GL_VERTEX_ARRAY, glVertexPointer);
        if (m_useVertexInfoAsTextureInfo) {
            // The positions, with their own layout, feed the texture coordinates too.
            enable(POSITION, GL_TEXTURE_COORD_ARRAY, glTexCoordPointer);
        }
    }
    discardErrors();
}

void VertexArray::endUsing() const {
    if (inUse(TEXTURE)) {
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    if (inUse(COLOR)) {
        glDisableClientState(GL_COLOR_ARRAY);
    }
    if (inUse(FIRST_ATTRIBUTE)) {
        glDisableClientState(GL_SECONDARY_COLOR_ARRAY);
    }
    if (inUse(POSITION)) {
        glDisableClientState(GL_VERTEX_ARRAY);
        if (m_useVertexInfoAsTextureInfo) {
            glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        }
    }
    glBindBuffer(m_target, 0);
}

void VertexArray::beginUsingAttributes() const {
    glBindBuffer(m_target, m_buffer);
    for (int i = 0; i < SLOT_COUNT; ++i) {
        if (inUse(i)) {
            const Slot& s = m_slots[i];
            const auto attribute = static_cast<GLuint>(i);
            glEnableVertexAttribArray(attribute);
            glVertexAttribPointer(attribute, s.count, s.glType, GL_FALSE, m_stride, pointerOf(i));
        }
    }
    discardErrors();
}

void VertexArray::endUsingAttributes() const {
    for (int i = 0; i < SLOT_COUNT; ++i) {
        if (inUse(i)) {
            glDisableVertexAttribArray(static_cast<GLuint>(i));
        }
    }
    glBindBuffer(m_target, 0);
}

} // namespace OGL
