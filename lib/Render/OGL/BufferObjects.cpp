#include "Render/OGL/BufferObjects.h"

#include "OGL/GLErrors.h"

#include <GL/glew.h>

namespace OGL {

namespace {

GLenum bindingQueryOf(GLenum target) {
    switch (target) {
    case GL_ARRAY_BUFFER:
        return GL_ARRAY_BUFFER_BINDING;
    case GL_ELEMENT_ARRAY_BUFFER:
        return GL_ELEMENT_ARRAY_BUFFER_BINDING;
    case GL_PIXEL_PACK_BUFFER:
        return GL_PIXEL_PACK_BUFFER_BINDING;
    case GL_PIXEL_UNPACK_BUFFER:
        return GL_PIXEL_UNPACK_BUFFER_BINDING;
    default:
        return 0;
    }
}

// Binds a buffer for the lifetime of the object, then restores the previous binding.
class ScopedBinding {
public:
    ScopedBinding(GLenum target, GLuint buffer) : m_target(target) {
        const GLenum query = bindingQueryOf(target);
        if (query != 0) {
            GLint previous = 0;
            glGetIntegerv(query, &previous);
            m_previous = static_cast<GLuint>(previous);
        }
        glBindBuffer(target, buffer);
    }
    ~ScopedBinding() { glBindBuffer(m_target, m_previous); }
    ScopedBinding(const ScopedBinding&) = delete;
    ScopedBinding& operator=(const ScopedBinding&) = delete;

private:
    GLenum m_target;
    GLuint m_previous = 0;
};

constexpr int ALLOCATION_ATTEMPTS = 10;

} // namespace

unsigned int createMappableBuffer(unsigned int target, int size, unsigned int usage) {
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    bool mapped = false;
    {
        const ScopedBinding binding(target, buffer);
        for (int attempt = 0; attempt < ALLOCATION_ATTEMPTS && !mapped; ++attempt) {
            glBufferData(target, size, nullptr, usage);
            glMapBuffer(target, GL_WRITE_ONLY);
            mapped = glUnmapBuffer(target) == GL_TRUE;
        }
    }
    discardErrors();
    if (!mapped) {
        glDeleteBuffers(1, &buffer);
        return 0;
    }
    return buffer;
}

bool transferInside(int bufferSize, int size, int offset) {
    return size > 0 && offset >= 0 && offset <= bufferSize && size <= bufferSize - offset;
}

void readBuffer(unsigned int target, unsigned int buffer, int offset, int size, void* dst) {
    const ScopedBinding binding(target, buffer);
    glGetBufferSubData(target, offset, size, dst);
}

void writeBuffer(unsigned int target, unsigned int buffer, int offset, int size, const void* src) {
    const ScopedBinding binding(target, buffer);
    glBufferSubData(target, offset, size, src);
}

} // namespace OGL
