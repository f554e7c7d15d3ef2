#include "MatSys/ProgramDefinition.h"

#include "MatSys/DefinitionFiles.h"

namespace MatSys {

ProgramDefinition ProgramDefinition::read(const CFG::Info& file, const std::string& name) {
    return {DefinitionFiles::listOf(file, name + "_SHADERS", " "),
            DefinitionFiles::listOf(file, name + "_PARAMS", "\n")};
}

} // namespace MatSys
