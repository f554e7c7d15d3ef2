#include "MatSys/MaterialMaker.h"

#include "CFG/Info.h"
#include "Files/Directory.h"
#include "MatSys/DefinitionFiles.h"
#include "MatSys/Material.h"
#include "MatSys/ShaderParams.h"
#include "MatSys/ShaderProgramStore.h"
#include "MatSys/TextureStore.h"
#include "Util/StrToNum.h"
#include "Util/StringUtils.h"

#include <memory>

namespace MatSys {

MaterialMaker::MaterialMaker(ShaderProgramStore* const programs, TextureStore* const textures,
                             const std::string& loadDir, DefinitionFiles& files)
    : m_programs(programs), m_textures(textures), m_loadDir(Files::Directory::asPrefix(loadDir)),
      m_files(files) {}

void MaterialMaker::setTextureStore(TextureStore* const store) {
    m_textures = store;
}

TextureStore* MaterialMaker::getTextureStore() const {
    return m_textures;
}

void MaterialMaker::setLoadDir(const std::string& dir) {
    m_loadDir = Files::Directory::asPrefix(dir);
}

void MaterialMaker::setMatdefExt(const std::string& ext) {
    m_matdefExt = ext;
}

const std::string& MaterialMaker::getMatdefExt() const {
    return m_matdefExt;
}

Material* MaterialMaker::create(const std::string& /*name*/, I_ShaderProgram* const program,
                                const ShaderParams* const params) {
    return program != nullptr ? new Material(program, params) : nullptr;
}

Material* MaterialMaker::create(const std::string& name, const std::string& progName,
                                const ShaderParams* const params) {
    I_ShaderProgram* program = m_programs->get(progName, true);
    if (program == nullptr) {
        program = m_programs->add(progName, params != nullptr ? *params : ShaderParams());
    }
    return create(name, program, params);
}

Material* MaterialMaker::create(const std::string& name, const ShaderParams* const params) {
    if (Util::endswith(name, m_matdefExt)) {
        return create(Files::Directory::withoutExtension(name), params, m_loadDir + name);
    }
    return create(name, name, params);
}

Material* MaterialMaker::create(const std::string& name, const ShaderParams* const params,
                                const std::string& path) {
    const std::shared_ptr<const CFG::Info> file = m_files.open(path);
    std::string progName = file->get(name + "_PROG");
    if (progName.empty()) {
        progName = name;
    }
    // Resetting a stored program's parameters would take from every material using it the
    // defaults its own definition gave it.
    I_ShaderProgram* program = m_programs->get(progName, false);
    if (program == nullptr) {
        program = m_programs->add(progName, ShaderParams(), path);
    }
    if (program == nullptr) {
        return nullptr;
    }
    const std::vector<std::string> lines =
        DefinitionFiles::listOf(*file, name + "_MAT_" + progName + "_PARAMS", "\n");
    std::unique_ptr<Material> material;
    if (lines.empty() && params == nullptr) {
        material.reset(create(name, program, nullptr));
    } else {
        ShaderParams own;
        own.add(lines);
        if (params != nullptr) {
            own.merge(*params);
        }
        material.reset(create(name, program, &own));
    }
    for (const std::string& binding : DefinitionFiles::listOf(*file, name + "_MAT_TEXTURES", ",")) {
        std::vector<std::string> parts;
        if (Util::splitString(binding, ":", parts, false, true) == 2) {
            bindTexture(material.get(), Util::strToNum<int>(parts[0], 10), parts[1]);
        }
    }
    return material.release();
}

Material* MaterialMaker::bindTexture(Material* const material, const int unit,
                                     const std::string& textureName) {
    if (m_textures == nullptr) {
        return material;
    }
    if (I_Texture* const texture = m_textures->get(textureName, true)) {
        material->bindTexture(unit, texture);
    }
    return material;
}

} // namespace MatSys
