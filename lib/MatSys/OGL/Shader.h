#pragma once

#include "MatSys/I_Shader.h"

#include <string>
#include <vector>

namespace MatSys::OGL {

// A GLSL shader: copies of its source texts until it is compiled, then one GL shader object.
class Shader : public MatSys::I_Shader {
public:
    // type is a GL shader type such as GL_VERTEX_SHADER; the texts are copied.
    Shader(unsigned int type, const std::vector<std::string>& sources);
    ~Shader() override;
    Shader(const Shader&) = delete;
    Shader& operator=(const Shader&) = delete;

    unsigned int getID() const override;
    // Compiles once: later calls return true at once. The GL object stays even when compiling
    // fails; log then holds the GL info log. False, with no GL object, when the context has no
    // shader support.
    virtual bool compile(std::string& log);
    // Replaces the texts to compile; an existing GL object is not touched.
    virtual void setSources(const std::vector<std::string>& sources);
    virtual void freeSources();

private:
    unsigned int m_type;
    unsigned int m_id = 0;
    std::vector<std::string> m_sources;
};

} // namespace MatSys::OGL
