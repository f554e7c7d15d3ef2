#pragma once

#include "MatSys/TextureOptions.h"

#include <string>

namespace MatSys {

// Reads the option words of a texture name: the name is cut at every '.', and the words
// "2D", "3D", "LINR", "NEAR", "MIP", "NMIP", "CMP" and "NCMP" (trimmed, case-sensitive)
// switch the default options from first to last, so a later word wins.
class TextureOptionsMaker {
public:
    virtual ~TextureOptionsMaker() = default;

    TextureOptions make(const std::string& name) const;
};

} // namespace MatSys
