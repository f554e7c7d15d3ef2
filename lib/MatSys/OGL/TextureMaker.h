#pragma once

#include "MatSys/I_TextureMaker.h"

#include <string>

namespace MatSys::OGL {

// Makes OpenGL textures from pixels or from TGA files in its load directory. The option
// words of a texture's name choose its options; without "2D", an image whose height is its
// width squared becomes a 3D texture of width slices stacked vertically.
class TextureMaker : public MatSys::I_TextureMaker {
public:
    explicit TextureMaker(const std::string& loadDir);

    // Null when GL refuses the upload; nothing broken is returned.
    MatSys::I_Texture* create(const std::string& name, const unsigned char* data, unsigned int bpp,
                              unsigned int width, unsigned int height, unsigned int depth) override;
    // createFromTGA for a name ending in ".tga" (lower case); null for any other.
    MatSys::I_Texture* create(const std::string& name) override;
    virtual void setLoadDir(const std::string& dir);
    // Reads load directory + name; the name without its extension gives the options.
    virtual MatSys::I_Texture* createFromTGA(const std::string& name);

private:
    std::string m_loadDir;
};

} // namespace MatSys::OGL
