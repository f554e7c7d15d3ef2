#include "MatSys/Material.h"

#include "MatSys/I_ShaderProgram.h"
#include "MatSys/I_Texture.h"
#include "MatSys/ShaderParams.h"

#include <algorithm>

namespace MatSys {
namespace {

std::unique_ptr<ShaderParams> copyOf(const ShaderParams* const params) {
    return params != nullptr ? std::make_unique<ShaderParams>(*params) : nullptr;
}

} // namespace

Material::Material() : Material(nullptr, nullptr) {}

Material::Material(I_ShaderProgram* const program, const ShaderParams* const params)
    : m_program(program), m_params(copyOf(params)) {}

Material::~Material() = default;

void Material::beginUsing() {
    if (m_program == nullptr) {
        return;
    }
    for (const auto& [unit, texture] : m_textures) {
        texture->beginUsing(unit);
    }
    m_program->beginUsing(m_params.get());
}

void Material::endUsing() {
    if (m_program == nullptr) {
        return;
    }
    for (const auto& [unit, texture] : m_textures) {
        texture->endUsing(unit);
    }
    m_program->endUsing();
}

void Material::setParams(const ShaderParams* const params) {
    // The copy is made before the current set goes, as params may be that set.
    m_params = copyOf(params);
}

const ShaderParams* Material::getParams() const {
    return m_params.get();
}

void Material::bindTexture(const int unit, I_Texture* const texture) {
    const auto bound = std::find_if(m_textures.begin(), m_textures.end(),
                                    [unit](const auto& binding) { return binding.first == unit; });
    if (bound != m_textures.end()) {
        bound->second = texture;
    } else {
        m_textures.emplace_back(unit, texture);
    }
}

const Material::TextureBindings& Material::getTextures() const {
    return m_textures;
}

I_ShaderProgram* Material::getProgram() const {
    return m_program;
}

} // namespace MatSys
