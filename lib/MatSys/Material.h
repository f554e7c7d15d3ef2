#pragma once

#include <memory>
#include <utility>
#include <vector>

namespace MatSys {

class I_ShaderProgram;
class I_Texture;
class ShaderParams;

// What a mesh is drawn with: a shader program, the material's own values for its parameters
// and textures bound to texture units. The program and the textures belong to their stores;
// the parameter set is the material's own copy.
class Material {
public:
    // (unit, texture) pairs in the order the units were first bound, one per unit.
    using TextureBindings = std::vector<std::pair<int, I_Texture*>>;

    Material();
    // Keeps a copy of params, or no set when it is null.
    Material(I_ShaderProgram* program, const ShaderParams* params);
    Material(const Material&) = delete;
    Material& operator=(const Material&) = delete;
    virtual ~Material();

    // Without a program both do nothing at all. Otherwise every texture is bound to its unit
    // in list order, then the program is taken into use with the material's set (null when
    // it has none); ending releases the textures in the same order, then the program.
    virtual void beginUsing();
    virtual void endUsing();
    // Keeps a copy of params, or no set when it is null; params may be the material's own.
    virtual void setParams(const ShaderParams* params);
    virtual const ShaderParams* getParams() const;
    // Replaces the texture of a unit already bound in its place, or appends the binding.
    virtual void bindTexture(int unit, I_Texture* texture);
    virtual const TextureBindings& getTextures() const;
    virtual I_ShaderProgram* getProgram() const;

private:
    I_ShaderProgram* m_program;
    std::unique_ptr<ShaderParams> m_params;
    TextureBindings m_textures;
};

} // namespace MatSys
