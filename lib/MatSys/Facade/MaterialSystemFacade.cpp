#include "MatSys/Facade/MaterialSystemFacade.h"

#include "MatSys/DefinitionFiles.h"
#include "MatSys/I_Color.h"
#include "MatSys/MaterialMaker.h"
#include "MatSys/MaterialStore.h"
#include "MatSys/OGL/ColorMaker.h"
#include "MatSys/OGL/ShaderMaker.h"
#include "MatSys/OGL/ShaderProgramMaker.h"
#include "MatSys/OGL/TextureMaker.h"
#include "MatSys/ShaderProgramStore.h"
#include "MatSys/ShaderStore.h"
#include "MatSys/TextureStore.h"
#include "Util/StrToNum.h"

namespace MatSys {

namespace {

// The folder part of the path without its '/'; a bare file name is in the working directory.
std::string loadDirOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace

class MaterialSystemFacade::Impl {
public:
    Impl(const std::string& loadDir, I_ShaderProgramMaker* const given)
        : colorMaker(std::make_unique<OGL::ColorMaker>()),
          shaderMaker(given == nullptr ? std::make_unique<OGL::ShaderMaker>(loadDir, files)
                                       : nullptr),
          shaders(shaderMaker != nullptr ? std::make_unique<ShaderStore>(shaderMaker.get())
                                         : nullptr),
          programMaker(given != nullptr ? std::unique_ptr<I_ShaderProgramMaker>(given)
                                        : std::make_unique<OGL::ShaderProgramMaker>(
                                              shaders.get(), loadDir, files)),
          programs(std::make_unique<ShaderProgramStore>(this->programMaker.get())),
          textureMaker(std::make_unique<OGL::TextureMaker>(loadDir)),
          textures(std::make_unique<TextureStore>(textureMaker.get())),
          materialMaker(
              std::make_unique<MaterialMaker>(programs.get(), textures.get(), loadDir, files)),
          materials(std::make_unique<MaterialStore>(materialMaker.get())) {}
    virtual ~Impl() = default;

    // First, so that it outlives the makers that read through it.
    DefinitionFiles files;
    const std::unique_ptr<I_ColorMaker> colorMaker;
    const std::unique_ptr<I_ShaderMaker> shaderMaker;
    const std::unique_ptr<ShaderStore> shaders;
    const std::unique_ptr<I_ShaderProgramMaker> programMaker;
    const std::unique_ptr<ShaderProgramStore> programs;
    const std::unique_ptr<I_TextureMaker> textureMaker;
    const std::unique_ptr<TextureStore> textures;
    const std::unique_ptr<MaterialMaker> materialMaker;
    const std::unique_ptr<MaterialStore> materials;
};

MaterialSystemFacade::MaterialSystemFacade(const std::string& path,
                                           I_ShaderProgramMaker* const programMaker)
    : m_path(path), m_impl(std::make_unique<Impl>(loadDirOf(path), programMaker)) {}

MaterialSystemFacade::~MaterialSystemFacade() = default;

MaterialStore* MaterialSystemFacade::getMaterialStore() const {
    return m_impl->materials.get();
}

TextureStore* MaterialSystemFacade::getTextureStore() const {
    return m_impl->textures.get();
}

ShaderProgramStore* MaterialSystemFacade::getShaderProgramStore() const {
    return m_impl->programs.get();
}

bool MaterialSystemFacade::addMaterial(const std::string& name) {
    return addMaterial(name, nullptr, "");
}

bool MaterialSystemFacade::addMaterial(const std::string& name, const ShaderParams* const params,
                                       const std::string& file) {
    return m_impl->materials->add(name, params, file.empty() ? m_path : file) != nullptr;
}

Material* MaterialSystemFacade::getMaterial(const std::string& name) const {
    return m_impl->materials->get(name, false);
}

I_Color* MaterialSystemFacade::getColor() const {
    return m_impl->colorMaker->create();
}

I_Color* MaterialSystemFacade::getColor(const Util::RGBA& rgba) const {
    return m_impl->colorMaker->create(rgba);
}

I_Color* MaterialSystemFacade::getColor(const std::string& text) const {
    const auto value = Util::strToNum<unsigned int>(text, 16);
    return getColor(
        Util::RGBA{static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
                   static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)});
}

} // namespace MatSys
