#pragma once

#include "Util/RGBA.h"

#include <memory>
#include <string>

namespace MatSys {

class I_Color;
class I_ShaderProgramMaker;
class Material;
class MaterialStore;
class ShaderParams;
class ShaderProgramStore;
class TextureStore;

// The one object a client makes to use the material system: it builds, wires and owns every
// maker and store, all reading their files from the folder of one path, and the definition files
// they read; and it makes colours.
// Shaders, programs, textures and materials are made on demand by the stores it hands out and
// go with it.
class MaterialSystemFacade {
public:
    // path is the default material definition file; its folder is where every file is looked
    // for, and a path without '/' means the working directory. With a program maker given
    // (which the facade then owns) no shader maker and shader store are made.
    MaterialSystemFacade(const std::string& path, I_ShaderProgramMaker* programMaker);
    virtual ~MaterialSystemFacade();
    MaterialSystemFacade(const MaterialSystemFacade&) = delete;
    MaterialSystemFacade& operator=(const MaterialSystemFacade&) = delete;

    virtual MaterialStore* getMaterialStore() const;
    virtual TextureStore* getTextureStore() const;
    virtual ShaderProgramStore* getShaderProgramStore() const;
    // addMaterial(name, null, "").
    virtual bool addMaterial(const std::string& name);
    // Whether the material is stored afterwards, read from file (the facade's path when
    // empty) unless it already was. params stay the caller's.
    virtual bool addMaterial(const std::string& name, const ShaderParams* params,
                             const std::string& file);
    // A stored material; null for one never added, whatever the files define.
    virtual Material* getMaterial(const std::string& name) const;

    // New colours for the caller to delete. The text is hexadecimal RRGGBBAA, right-aligned
    // when shorter and 0 when empty; text that does not begin with a hexadecimal number throws
    // std::domain_error "Cant convert String to Num:" followed by the text.
    I_Color* getColor() const;
    I_Color* getColor(const Util::RGBA& rgba) const;
    I_Color* getColor(const std::string& text) const;

private:
    class Impl;

    std::string m_path;
    std::unique_ptr<Impl> m_impl;
};

} // namespace MatSys
