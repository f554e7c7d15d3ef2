#pragma once

#include "MatSys/I_MaterialMaker.h"

#include <string>

namespace MatSys {

class DefinitionFiles;
class ShaderProgramStore;

// Makes materials from a program, a program name, a bare name (the program of that name) or
// a material definition file. For a material M whose program is P a definition file gives
// M_PROG (P; M when empty), M_MAT_<P>_PARAMS (parameter lines) and M_MAT_TEXTURES (bindings
// "unit:texture" separated by ','). Programs and textures come from their stores.
class MaterialMaker : public I_MaterialMaker {
public:
    // The stores and the definition files are not owned and must outlive the maker.
    MaterialMaker(ShaderProgramStore* programs, TextureStore* textures, const std::string& loadDir,
                  DefinitionFiles& files);

    void setTextureStore(TextureStore* store) override;
    TextureStore* getTextureStore() const override;
    void setLoadDir(const std::string& dir) override;
    void setMatdefExt(const std::string& ext) override;
    const std::string& getMatdefExt() const override;
    Material* create(const std::string& name, I_ShaderProgram* program,
                     const ShaderParams* params) override;
    Material* create(const std::string& name, const std::string& progName,
                     const ShaderParams* params) override;
    // A name ending in the definition extension is read from that file in the load directory.
    Material* create(const std::string& name, const ShaderParams* params) override;
    // params win over the file's lines of the same name. A program already stored is used as
    // it is, keeping the parameters its own definition gave it.
    Material* create(const std::string& name, const ShaderParams* params,
                     const std::string& path) override;
    Material* bindTexture(Material* material, int unit, const std::string& textureName) override;

private:
    ShaderProgramStore* m_programs;
    TextureStore* m_textures;
    std::string m_loadDir;
    DefinitionFiles& m_files;
    std::string m_matdefExt = ".matdef";
};

} // namespace MatSys
