#pragma once

#include <string>

namespace MatSys::OGL {

// Whether GL reports the shader compiled, resp. the program linked; when not, the object's
// info log is appended to log, whole.
bool compiled(unsigned int shader, std::string& log);
bool linked(unsigned int program, std::string& log);

} // namespace MatSys::OGL
