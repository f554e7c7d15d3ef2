#pragma once

#include <string>
#include <vector>

namespace CFG {
class Info;
} // namespace CFG

namespace MatSys {

// What a definition file says of one shader program: its shaders and its own parameters.
struct ProgramDefinition {
    // name + "_SHADERS", separated by blanks.
    std::vector<std::string> shaderNames;
    // name + "_PARAMS", one parameter line per line.
    std::vector<std::string> paramLines;

    static ProgramDefinition read(const CFG::Info& file, const std::string& name);
};

} // namespace MatSys
