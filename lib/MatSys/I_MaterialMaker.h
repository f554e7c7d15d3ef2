#pragma once

#include <string>

namespace MatSys {

class I_ShaderProgram;
class Material;
class ShaderParams;
class TextureStore;

// Makes materials: from a program, a program name, a bare material name or a material
// definition file. Every material made is new and belongs to the caller, with its own copy
// of the parameters given (which stay the caller's); null when it cannot be made.
class I_MaterialMaker {
public:
    virtual ~I_MaterialMaker() = default;

    // Where the textures that definition files bind come from; not owned.
    virtual void setTextureStore(TextureStore* store) = 0;
    virtual TextureStore* getTextureStore() const = 0;
    virtual void setLoadDir(const std::string& dir) = 0;
    // The extension of material definition files.
    virtual void setMatdefExt(const std::string& ext) = 0;
    virtual const std::string& getMatdefExt() const = 0;
    virtual Material* create(const std::string& name, I_ShaderProgram* program,
                             const ShaderParams* params) = 0;
    virtual Material* create(const std::string& name, const std::string& progName,
                             const ShaderParams* params) = 0;
    // What the material store makes for a name it does not hold.
    virtual Material* create(const std::string& name, const ShaderParams* params) = 0;
    // The material of that name described in the definition file at path.
    virtual Material* create(const std::string& name, const ShaderParams* params,
                             const std::string& path) = 0;
    // Binds the named texture to the unit when it can be had; returns the material.
    virtual Material* bindTexture(Material* material, int unit, const std::string& textureName) = 0;
};

} // namespace MatSys
