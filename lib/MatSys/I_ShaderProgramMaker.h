#pragma once

#include <string>
#include <vector>

namespace MatSys {

class I_ShaderProgram;
class ShaderParams;

// Makes linked shader programs with a copy of the parameters given as their own set. Every
// program made is new and belongs to the caller; null when it cannot be made.
class I_ShaderProgramMaker {
public:
    virtual ~I_ShaderProgramMaker() = default;

    // Linked from the named shaders.
    virtual I_ShaderProgram* create(const std::string& name, const ShaderParams& params,
                                    const std::vector<std::string>& shaderNames) = 0;
    virtual I_ShaderProgram* create(const std::string& name, const ShaderParams& params) = 0;
    // The program of that name described in the definition file at path.
    virtual I_ShaderProgram* create(const std::string& name, const ShaderParams& params,
                                    const std::string& path) = 0;
};

} // namespace MatSys
