#pragma once

#include <string>

namespace MatSys {

class I_Texture;

// Makes textures. Every texture made is new and belongs to the caller; null when it cannot
// be made.
class I_TextureMaker {
public:
    virtual ~I_TextureMaker() = default;

    // From pixels of bpp bits that stay the caller's; the name's option words apply.
    virtual I_Texture* create(const std::string& name, const unsigned char* data, unsigned int bpp,
                              unsigned int width, unsigned int height, unsigned int depth) = 0;
    // From the image file the name gives.
    virtual I_Texture* create(const std::string& name) = 0;
};

} // namespace MatSys
