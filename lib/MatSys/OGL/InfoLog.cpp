#include "MatSys/OGL/InfoLog.h"

#include <GL/glew.h>

namespace MatSys::OGL {

namespace {

using GetInteger = void(GLAPIENTRY*)(GLuint, GLenum, GLint*);
using GetLog = void(GLAPIENTRY*)(GLuint, GLsizei, GLsizei*, GLchar*);

void appendLog(const GLuint object, const GetInteger getInteger, const GetLog getLog,
               std::string& text) {
    GLint length = 0;
    getInteger(object, GL_INFO_LOG_LENGTH, &length);
    if (length <= 0) {
        return;
    }
    std::string log(static_cast<std::size_t>(length), '\0');
    GLsizei written = 0;
    getLog(object, length, &written, log.data());
    text.append(log, 0, static_cast<std::size_t>(written));
}

} // namespace

void appendShaderLog(const unsigned int shader, std::string& text) {
    appendLog(shader, glGetShaderiv, glGetShaderInfoLog, text);
}

void appendProgramLog(const unsigned int program, std::string& text) {
    appendLog(program, glGetProgramiv, glGetProgramInfoLog, text);
}

} // namespace MatSys::OGL
