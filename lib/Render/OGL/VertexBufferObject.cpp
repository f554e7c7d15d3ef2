#include "Render/OGL/VertexBufferObject.h"

#include "OGL/Extensions.h"
#include "Render/OGL/BufferObjects.h"

#include <GL/glew.h>

namespace OGL {

VertexBufferObject::VertexBufferObject(int size, unsigned int usage)
    : VertexBufferObject(size, usage, GL_ARRAY_BUFFER) {}

VertexBufferObject::VertexBufferObject(int size, unsigned int usage, unsigned int target)
    : VertexArray(size, target) {
    constructVBO(usage);
}

VertexBufferObject::~VertexBufferObject() {
    if (m_buffer != 0) {
        glDeleteBuffers(1, &m_buffer);
    }
}

void VertexBufferObject::constructVBO(unsigned int usage) {
    if (m_size == 0) {
        return;
    }
    if (!VBOsSupported()) {
        m_size = 0;
        return;
    }
    m_buffer = createMappableBuffer(m_target, m_size, usage);
    if (m_buffer == 0) {
        m_size = 0;
    }
}

bool VertexBufferObject::VBOsSupported() {
    return bufferObjectsAvailable();
}

void VertexBufferObject::readBytes(void* dst, int size, int offset) const {
    readBuffer(m_target, m_buffer, offset, size, dst);
}

void VertexBufferObject::writeBytes(const void* src, int size, int offset) {
    writeBuffer(m_target, m_buffer, offset, size, src);
}

} // namespace OGL
