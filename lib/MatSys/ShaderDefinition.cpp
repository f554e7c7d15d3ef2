#include "MatSys/ShaderDefinition.h"

#include "CFG/Info.h"
#include "MatSys/DefinitionFiles.h"

namespace MatSys {

ShaderDefinition ShaderDefinition::read(const CFG::Info& file, const std::string& name) {
    std::string prefix = name + "_";
    if (file.get(prefix + "CODE").empty() && file.get(prefix + "FILES").empty()) {
        prefix.clear();
    }
    return {file.get(prefix + "CODE"), DefinitionFiles::listOf(file, prefix + "FILES", " ")};
}

} // namespace MatSys
