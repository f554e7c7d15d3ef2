#pragma once

#include <string>

namespace MatSys::OGL {

// Appends the GL info log of a shader or of a program object to text, whole.
void appendShaderLog(unsigned int shader, std::string& text);
void appendProgramLog(unsigned int program, std::string& text);

} // namespace MatSys::OGL
