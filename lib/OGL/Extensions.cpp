#include "OGL/Extensions.h"

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

bool shadersAvailable() {
    return GLEW_ARB_shader_objects && glCreateShader && glShaderSource && glCompileShader &&
           glGetShaderiv && glGetShaderInfoLog && glDeleteShader && glCreateProgram &&
           glAttachShader && glLinkProgram && glGetProgramiv && glGetProgramInfoLog &&
           glUseProgram && glDeleteProgram && glGetActiveUniform && glGetUniformLocation &&
           glGetActiveAttrib && glBindAttribLocation && glUniform1f && glUniform2f && glUniform3f &&
           glUniform4f && glUniform1i && glUniform2i && glUniform3i && glUniform4i &&
           glUniform1fv && glUniform2fv && glUniform3fv && glUniform4fv && glUniform1iv &&
           glUniform2iv && glUniform3iv && glUniform4iv;
}

} // namespace OGL
