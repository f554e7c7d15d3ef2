#pragma once

#include <string>
#include <vector>

namespace MatSys {

class I_Shader;

// Makes shaders by name. Every shader made is new and belongs to the caller; null when it
// cannot be made.
class I_ShaderMaker {
public:
    virtual ~I_ShaderMaker() = default;

    // Appends the name suffixes that tell shader kinds apart; the list is not cleared.
    virtual void getTypeStrings(std::vector<std::string>& list) const = 0;
    // From inline code, read first, and source files, read in order.
    virtual I_Shader* create(const std::string& name, const std::string& code,
                             const std::vector<std::string>& files) = 0;
    virtual I_Shader* create(const std::string& name) = 0;
    // The shader of that name described in the definition file at path.
    virtual I_Shader* create(const std::string& name, const std::string& path) = 0;
};

} // namespace MatSys
