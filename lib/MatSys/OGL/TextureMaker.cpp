#include "MatSys/OGL/TextureMaker.h"

#include "Files/Directory.h"
#include "MatSys/OGL/Texture.h"
#include "MatSys/TextureOptionsMaker.h"
#include "Media/TGA.h"
#include "Util/StringUtils.h"

#include <memory>

namespace MatSys::OGL {

TextureMaker::TextureMaker(const std::string& loadDir)
    : m_loadDir(Files::Directory::asPrefix(loadDir)) {}

MatSys::I_Texture* TextureMaker::create(const std::string& name, const unsigned char* const data,
                                        const unsigned int bpp, const unsigned int width,
                                        unsigned int height, unsigned int depth) {
    const MatSys::TextureOptions options = MatSys::TextureOptionsMaker().make(name);
    if (!options.is2D && depth == 0 && width != 0 && height / width == width) {
        depth = width;
        height = width;
    }
    auto texture = std::make_unique<Texture>(data, bpp, width, height, depth, options);
    return texture->getID() != 0 ? texture.release() : nullptr;
}

MatSys::I_Texture* TextureMaker::create(const std::string& name) {
    return Util::endswith(name, ".tga") ? createFromTGA(name) : nullptr;
}

void TextureMaker::setLoadDir(const std::string& dir) {
    m_loadDir = Files::Directory::asPrefix(dir);
}

MatSys::I_Texture* TextureMaker::createFromTGA(const std::string& name) {
    unsigned int width = 0;
    unsigned int height = 0;
    unsigned int bpp = 0;
    unsigned char* pixels = nullptr;
    if (!Media::TGA::loadFromFile((m_loadDir + name).c_str(), &width, &height, &bpp, &pixels)) {
        return nullptr;
    }
    const std::unique_ptr<unsigned char[]> owned(pixels);
    return create(Files::Directory::withoutExtension(name), owned.get(), bpp, width, height, 0);
}

} // namespace MatSys::OGL
