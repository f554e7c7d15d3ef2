#include "MatSys/OGL/InfoLog.h"

#include <GL/glew.h>

namespace MatSys::OGL {

namespace {

using GetInteger = void(GLAPIENTRY*)(GLuint, GLenum, GLint*);
using GetLog = void(GLAPIENTRY*)(GLuint, GLsizei, GLsizei*, GLchar*);

bool succeeded(const GLuint object, const GLenum status, const GetInteger getInteger,
               const GetLog getLog, std::string& text) {
    GLint value = GL_FALSE;
    getInteger(object, status, &value);
    if (value != GL_FALSE) {
        return true;
    }
    GLint length = 0;
    getInteger(object, GL_INFO_LOG_LENGTH, &length);
    if (length > 0) {
        std::string log(static_cast<std::size_t>(length), '\0');
        GLsizei written = 0;
        getLog(object, length, &written, log.data());
        text.append(log, 0, static_cast<std::size_t>(written));
    }
    return false;
}

} // namespace

bool compiled(const unsigned int shader, std::string& log) {
    return succeeded(shader, GL_COMPILE_STATUS, glGetShaderiv, glGetShaderInfoLog, log);
}

bool linked(const unsigned int program, std::string& log) {
    return succeeded(program, GL_LINK_STATUS, glGetProgramiv, glGetProgramInfoLog, log);
}

} // namespace MatSys::OGL
