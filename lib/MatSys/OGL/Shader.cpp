#include "MatSys/OGL/Shader.h"

#include "MatSys/OGL/InfoLog.h"
#include "OGL/Extensions.h"

#include <GL/glew.h>

namespace MatSys::OGL {

Shader::Shader(const unsigned int type, const std::vector<std::string>& sources)
    : m_type(type), m_sources(sources) {}

Shader::~Shader() {
    if (m_id != 0) {
        glDeleteShader(m_id);
    }
}

unsigned int Shader::getID() const {
    return m_id;
}

bool Shader::compile(std::string& log) {
    log.clear();
    if (m_id != 0) {
        return true;
    }
    if (!::OGL::shadersAvailable()) {
        return false;
    }
    m_id = glCreateShader(m_type);
    std::vector<const char*> texts;
    texts.reserve(m_sources.size());
    for (const std::string& source : m_sources) {
        texts.push_back(source.c_str());
    }
    glShaderSource(m_id, static_cast<GLsizei>(texts.size()), texts.data(), nullptr);
    glCompileShader(m_id);
    freeSources();
    return compiled(m_id, log);
}

void Shader::setSources(const std::vector<std::string>& sources) {
    freeSources();
    m_sources = sources;
}

void Shader::freeSources() {
    std::vector<std::string>().swap(m_sources);
}

} // namespace MatSys::OGL
