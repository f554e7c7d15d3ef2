#pragma once

#include <string>
#include <vector>

namespace CFG {
class Info;
} // namespace CFG

namespace MatSys {

// What a definition file says of one shader: inline GLSL code and source file names.
struct ShaderDefinition {
    std::string code;
    std::vector<std::string> files;

    // The keys name + "_CODE" and name + "_FILES" (names separated by blanks); when both are
    // empty, the unprefixed "CODE" and "FILES", which so serve every shader of the file that
    // has no keys of its own.
    static ShaderDefinition read(const CFG::Info& file, const std::string& name);
};

} // namespace MatSys
