#include "MatSys/OGL/ShaderMaker.h"

#include "CFG/GlobalConfig.h"
#include "Files/Directory.h"
#include "Files/TextFile.h"
#include "MatSys/DefinitionFiles.h"
#include "MatSys/OGL/Shader.h"
#include "MatSys/ShaderDefinition.h"
#include "Util/StringUtils.h"

#include <GL/glew.h>

#include <memory>

namespace MatSys::OGL {

ShaderMaker::ShaderMaker(const std::string& loadDir, MatSys::DefinitionFiles& files)
    : m_loadDir(Files::Directory::asPrefix(loadDir)),
      m_files(files), m_typeMappings{{".VS", GL_VERTEX_SHADER}, {".FS", GL_FRAGMENT_SHADER}} {}

void ShaderMaker::getTypeStrings(std::vector<std::string>& list) const {
    for (const TypeMapping& mapping : m_typeMappings) {
        list.push_back(mapping.first);
    }
}

MatSys::I_Shader* ShaderMaker::create(const std::string& name, const std::string& code,
                                      const std::vector<std::string>& files) {
    const int type = nameToType(name);
    if (type == 0 || (code.empty() && files.empty())) {
        return nullptr;
    }
    std::vector<std::string> sources;
    if (!code.empty()) {
        sources.push_back(code);
    }
    for (const std::string& file : files) {
        std::string text;
        if (!Files::TextFile::loadAndReplaceCfg(CFG::global(), m_loadDir + file, text, "\n")) {
            return nullptr;
        }
        if (!text.empty()) {
            sources.push_back(std::move(text));
        }
    }
    auto shader = std::make_unique<Shader>(static_cast<unsigned int>(type), sources);
    std::string log;
    return shader->compile(log) ? shader.release() : nullptr;
}

MatSys::I_Shader* ShaderMaker::create(const std::string& name) {
    if (Util::endswith(name, ".glsl")) {
        return create(Files::Directory::withoutExtension(name), "", {name});
    }
    if (Util::endswith(name, ".shader")) {
        return create(Files::Directory::withoutExtension(name), m_loadDir + name);
    }
    return nullptr;
}

MatSys::I_Shader* ShaderMaker::create(const std::string& name, const std::string& path) {
    const ShaderDefinition definition = ShaderDefinition::read(*m_files.open(path), name);
    if (definition.code.empty() && definition.files.empty()) {
        return create(name);
    }
    return create(name, definition.code, definition.files);
}

void ShaderMaker::setLoadDir(const std::string& dir) {
    m_loadDir = Files::Directory::asPrefix(dir);
}

void ShaderMaker::defineTypeMappings(const std::vector<TypeMapping>& mappings) {
    m_typeMappings = mappings;
}

int ShaderMaker::nameToType(const std::string& name) const {
    for (const TypeMapping& mapping : m_typeMappings) {
        if (Util::endswith(name, mapping.first)) {
            return mapping.second;
        }
    }
    return 0;
}

} // namespace MatSys::OGL
