#include "MatSys/OGL/ShaderProgramMaker.h"

#include "Files/Directory.h"
#include "MatSys/DefinitionFiles.h"
#include "MatSys/OGL/ShaderProgram.h"
#include "MatSys/ProgramDefinition.h"
#include "MatSys/ShaderParams.h"
#include "MatSys/ShaderStore.h"
#include "Util/StringUtils.h"

#include <memory>

namespace MatSys::OGL {

ShaderProgramMaker::ShaderProgramMaker(MatSys::ShaderStore* const shaders,
                                       const std::string& loadDir, MatSys::DefinitionFiles& files)
    : m_shaders(shaders), m_loadDir(Files::Directory::asPrefix(loadDir)), m_files(files) {}

// The program has no name: its store keys it.
MatSys::I_ShaderProgram* ShaderProgramMaker::create(const std::string& /*name*/,
                                                    const MatSys::ShaderParams& params,
                                                    const std::vector<std::string>& shaderNames) {
    std::vector<MatSys::I_Shader*> shaders;
    for (const std::string& shaderName : shaderNames) {
        if (MatSys::I_Shader* const shader = m_shaders->get(shaderName, true)) {
            shaders.push_back(shader);
        }
    }
    if (shaders.empty()) {
        return nullptr;
    }
    auto program = std::make_unique<ShaderProgram>();
    std::string error;
    if (!program->link(shaders, error) || !program->setParams(params)) {
        return nullptr;
    }
    return program.release();
}

MatSys::I_ShaderProgram* ShaderProgramMaker::create(const std::string& name,
                                                    const MatSys::ShaderParams& params) {
    if (Util::endswith(name, ".prg")) {
        return create(Files::Directory::withoutExtension(name), params, m_loadDir + name);
    }
    return create(name, params, std::vector<std::string>{name});
}

MatSys::I_ShaderProgram* ShaderProgramMaker::create(const std::string& name,
                                                    const MatSys::ShaderParams& params,
                                                    const std::string& path) {
    ProgramDefinition definition = ProgramDefinition::read(*m_files.open(path), name);
    for (const std::string& shaderName : definition.shaderNames) {
        m_shaders->add(shaderName, path);
    }
    if (m_shaders->add(name, path) != nullptr) {
        definition.shaderNames.push_back(name);
    }
    MatSys::ShaderParams own(params);
    own.add(definition.paramLines);
    if (definition.shaderNames.empty()) {
        return create(name, own);
    }
    return create(name, own, definition.shaderNames);
}

void ShaderProgramMaker::setLoadDir(const std::string& dir) {
    m_loadDir = Files::Directory::asPrefix(dir);
}

} // namespace MatSys::OGL
