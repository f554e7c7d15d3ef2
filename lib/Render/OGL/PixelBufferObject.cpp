#include "Render/OGL/PixelBufferObject.h"

#include "OGL/Extensions.h"
#include "Render/OGL/BufferObjects.h"

#include <GL/glew.h>

namespace OGL {

PixelBufferObject::PixelBufferObject(int size, unsigned int usage)
    : m_target(GL_PIXEL_PACK_BUFFER) {
    if (size <= 0 || !pixelBuffersAvailable()) {
        return;
    }
    m_buffer = createMappableBuffer(m_target, size, usage);
    if (m_buffer != 0) {
        m_size = size;
    }
}

PixelBufferObject::~PixelBufferObject() {
    if (m_buffer != 0) {
        glDeleteBuffers(1, &m_buffer);
    }
}

int PixelBufferObject::getBufferSize() const {
    return m_size;
}

void PixelBufferObject::beginUsing(bool pack) const {
    m_target = pack ? GL_PIXEL_PACK_BUFFER : GL_PIXEL_UNPACK_BUFFER;
    glBindBuffer(m_target, m_buffer);
}

void PixelBufferObject::endUsing() const {
    glBindBuffer(m_target, 0);
}

void PixelBufferObject::getData(void* dst, int size, int offset) const {
    if (transferInside(m_size, size, offset)) {
        readBuffer(m_target, m_buffer, offset, size, dst);
    }
}

void PixelBufferObject::putData(const void* src, int size, int offset) {
    if (transferInside(m_size, size, offset)) {
        writeBuffer(m_target, m_buffer, offset, size, src);
    }
}

} // namespace OGL
