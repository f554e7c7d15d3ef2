#pragma once

#include "MatSys/I_ShaderMaker.h"

#include <string>
#include <utility>
#include <vector>

namespace MatSys {
class DefinitionFiles;
} // namespace MatSys

namespace MatSys::OGL {

// Makes compiled GLSL shaders from their names: "x.VS.glsl" is the vertex shader of the
// source file x.VS.glsl in the load directory, "x.FS.shader" the fragment shader x.FS of the
// definition file x.FS.shader. The kind comes from the suffix before the extension. Sources
// are read with the process-wide configuration's "::KEY::" references replaced.
class ShaderMaker : public MatSys::I_ShaderMaker {
public:
    using TypeMapping = std::pair<std::string, int>;

    // The definition files are not owned and must outlive the maker.
    ShaderMaker(const std::string& loadDir, MatSys::DefinitionFiles& files);

    void getTypeStrings(std::vector<std::string>& list) const override;
    // Null when the name has no known kind, when there is nothing to compile, when a source
    // file cannot be read or is empty, or when compiling fails.
    MatSys::I_Shader* create(const std::string& name, const std::string& code,
                             const std::vector<std::string>& files) override;
    MatSys::I_Shader* create(const std::string& name) override;
    // path is used as it is; a definition naming nothing falls back to create(name).
    MatSys::I_Shader* create(const std::string& name, const std::string& path) override;
    virtual void setLoadDir(const std::string& dir);
    // Replaces the (suffix, GL shader type) list: ".VS" vertex and ".FS" fragment at first.
    virtual void defineTypeMappings(const std::vector<TypeMapping>& mappings);
    // The type of the first mapping whose suffix ends name; 0 for none.
    virtual int nameToType(const std::string& name) const;

private:
    std::string m_loadDir;
    MatSys::DefinitionFiles& m_files;
    std::vector<TypeMapping> m_typeMappings;
};

} // namespace MatSys::OGL
