#include "Render/OGL/Extensions.h"

#include <GL/glew.h>

namespace OGL {

namespace {

bool bufferFunctionsLoaded() {
    return glGenBuffers && glDeleteBuffers && glBindBuffer && glBufferData && glBufferSubData &&
           glGetBufferSubData && glMapBuffer && glUnmapBuffer;
}

} // namespace

bool bufferObjectsAvailable() {
    return GLEW_ARB_vertex_buffer_object && bufferFunctionsLoaded();
}

bool pixelBuffersAvailable() {
    return GLEW_ARB_pixel_buffer_object && bufferFunctionsLoaded();
}

bool framebuffersAvailable() {
    return GLEW_EXT_framebuffer_object && glGenFramebuffers && glDeleteFramebuffers &&
           glBindFramebuffer && glGenRenderbuffers && glDeleteRenderbuffers && glBindRenderbuffer &&
           glRenderbufferStorage && glFramebufferRenderbuffer && glFramebufferTexture2D &&
           glFramebufferTexture3D && glCheckFramebufferStatus;
}

bool framebufferBlitAvailable() {
    return GLEW_EXT_framebuffer_blit && glBlitFramebuffer;
}

} // namespace OGL
