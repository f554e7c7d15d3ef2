#include "MatSys/OGL/ShaderProgram.h"

#include "MatSys/I_Shader.h"
#include "MatSys/OGL/AttributeSlot.h"
#include "MatSys/OGL/InfoLog.h"
#include "MatSys/OGL/UniformUpload.h"
#include "MatSys/ShaderParams.h"
#include "OGL/Extensions.h"
#include "OGL/GLErrors.h"
#include "Util/StringUtils.h"

#include <GL/glew.h>

namespace MatSys::OGL {

namespace {

bool linkProgram(const GLuint id, std::string& error) {
    glLinkProgram(id);
    return linked(id, error);
}

using GetActive = void(GLAPIENTRY*)(GLuint, GLuint, GLsizei, GLsizei*, GLint*, GLenum*, GLchar*);

// The names of the active uniforms or attributes, each read whole: the buffer is as long as
// the longest name the program reports.
std::vector<std::string> activeNames(const GLuint id, const GLenum countQuery,
                                     const GLenum lengthQuery, const GetActive getActive) {
    GLint count = 0;
    GLint longest = 0;
    glGetProgramiv(id, countQuery, &count);
    glGetProgramiv(id, lengthQuery, &longest);
    std::vector<std::string> names;
    std::string buffer(static_cast<std::size_t>(longest) + 1, '\0');
    for (GLint i = 0; i < count; ++i) {
        GLsizei length = 0;
        GLint size = 0;
        GLenum type = 0;
        getActive(id, static_cast<GLuint>(i), static_cast<GLsizei>(buffer.size()), &length, &size,
                  &type, buffer.data());
        names.emplace_back(buffer, 0, static_cast<std::size_t>(length));
    }
    return names;
}

const MatSys::ShaderParams& emptyParams() {
    static const MatSys::ShaderParams EMPTY_PARAMS;
    return EMPTY_PARAMS;
}

} // namespace

ShaderProgram::ShaderProgram() = default;

ShaderProgram::~ShaderProgram() {
    if (m_id != 0) {
        glDeleteProgram(m_id);
    }
}

unsigned int ShaderProgram::getID() const {
    return m_id;
}

bool ShaderProgram::link(const std::vector<MatSys::I_Shader*>& shaders, std::string& error) {
    error.clear();
    if (!::OGL::shadersAvailable()) {
        error = "ShaderProgram::link - no shader support";
        return false;
    }
    if (!linkSteps(shaders, error)) {
        // A shader listed twice leaves the error of its second attachment.
        ::OGL::discardErrors();
        glUseProgram(0);
        return false;
    }
    m_paramsPending = true;
    beginUsing(nullptr);
    endUsing();
    return true;
}

bool ShaderProgram::linkSteps(const std::vector<MatSys::I_Shader*>& shaders, std::string& error) {
    m_id = glCreateProgram();
    if (m_id == 0) {
        error = "ShaderProgram::link - glCreateProgram failed";
        return false;
    }
    for (const MatSys::I_Shader* const shader : shaders) {
        glAttachShader(m_id, shader->getID());
    }
    if (!linkProgram(m_id, error)) {
        return false;
    }
    GLint attributes = 0;
    glGetProgramiv(m_id, GL_ACTIVE_ATTRIBUTES, &attributes);
    if (attributes != 0) {
        // Bindings take effect at the next link, which may move the uniforms too: they are
        // recorded after it.
        if (!bindAttributes() || !linkProgram(m_id, error)) {
            return false;
        }
    }
    return recordUniforms(error);
}

bool ShaderProgram::bindAttributes() {
    for (const std::string& name : activeNames(m_id, GL_ACTIVE_ATTRIBUTES,
                                               GL_ACTIVE_ATTRIBUTE_MAX_LENGTH, glGetActiveAttrib)) {
        const int slot = AttributeSlot::forName(name);
        if (slot == AttributeSlot::REFUSED) {
            return false;
        }
        if (slot != AttributeSlot::BUILT_IN) {
            glBindAttribLocation(m_id, static_cast<GLuint>(slot), name.c_str());
        }
    }
    return true;
}

bool ShaderProgram::recordUniforms(std::string& error) {
    for (const std::string& name :
         activeNames(m_id, GL_ACTIVE_UNIFORMS, GL_ACTIVE_UNIFORM_MAX_LENGTH, glGetActiveUniform)) {
        if (Util::startswith(name, "gl_")) {
            continue;
        }
        const GLint location = glGetUniformLocation(m_id, name.c_str());
        if (location == -1) {
            error = "WTF! UniformLoc not found for: " + name;
            return false;
        }
        m_locations.add(name, location);
        // Arrays are listed as "name[0]"; parameters name them without the index.
        if (Util::endswith(name, "[0]")) {
            m_locations.add(name.substr(0, name.size() - 3), location);
        }
    }
    return true;
}

bool ShaderProgram::beginUsing(const MatSys::ShaderParams* const params) {
    if (m_id == 0) {
        return false;
    }
    glUseProgram(m_id);
    if (params != nullptr) {
        m_paramsPending = true;
        return upload(*params);
    }
    if (!m_paramsPending) {
        return true;
    }
    m_paramsPending = false;
    return m_params == nullptr || upload(*m_params);
}

void ShaderProgram::endUsing() {
    glUseProgram(0);
}

const MatSys::ShaderParams& ShaderProgram::getParams() const {
    return m_params != nullptr ? *m_params : emptyParams();
}

bool ShaderProgram::setParams(const MatSys::ShaderParams& params) {
    m_params = std::make_unique<MatSys::ShaderParams>(params);
    m_paramsPending = true;
    return true;
}

bool ShaderProgram::upload(const MatSys::ShaderParams& params) const {
    // A name the program lacks (a GLSL compiler may drop a uniform the shaders do not use) or a
    // type word without an upload is skipped, so the rest of the set still arrives.
    bool uploadedAll = true;
    params.forEach([this, &uploadedAll](const MatSys::ShaderParam& param) {
        const int location = m_locations.find(param.getName());
        uploadedAll = location != -1 && uploadUniform(location, param) && uploadedAll;
    });
    return uploadedAll;
}

} // namespace MatSys::OGL
