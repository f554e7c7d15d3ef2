#pragma once

#include "MatSys/I_ShaderProgramMaker.h"

#include <string>
#include <vector>

namespace MatSys {
class DefinitionFiles;
class ShaderStore;
} // namespace MatSys

namespace MatSys::OGL {

// Makes linked GLSL programs with their own parameters: from a program definition file
// ("x.prg" in the load directory, or any file through the path), from shader names, or from
// the one shader that has the program's name. Shaders come from the shader store, so
// programs share them by name.
class ShaderProgramMaker : public MatSys::I_ShaderProgramMaker {
public:
    // The store and the definition files are not owned and must outlive the maker.
    ShaderProgramMaker(MatSys::ShaderStore* shaders, const std::string& loadDir,
                       MatSys::DefinitionFiles& files);

    // Null when no named shader can be had or linking fails.
    MatSys::I_ShaderProgram* create(const std::string& name, const MatSys::ShaderParams& params,
                                    const std::vector<std::string>& shaderNames) override;
    MatSys::I_ShaderProgram* create(const std::string& name,
                                    const MatSys::ShaderParams& params) override;
    // The definition's parameter lines win over params of the same name.
    MatSys::I_ShaderProgram* create(const std::string& name, const MatSys::ShaderParams& params,
                                    const std::string& path) override;
    virtual void setLoadDir(const std::string& dir);

private:
    MatSys::ShaderStore* m_shaders;
    std::string m_loadDir;
    MatSys::DefinitionFiles& m_files;
};

} // namespace MatSys::OGL
