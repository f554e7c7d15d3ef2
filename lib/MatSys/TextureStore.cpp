#include "MatSys/TextureStore.h"

namespace MatSys {

TextureStore::TextureStore(I_TextureMaker* const maker) : ResourceStore("TextureStore", maker) {}

void TextureStore::setTextureMaker(I_TextureMaker* const maker) {
    setMaker(maker);
}

I_TextureMaker* TextureStore::getTextureMaker() const {
    return maker();
}

I_Texture* TextureStore::create(const std::string& name, const unsigned char* const data,
                                const unsigned int bpp, const unsigned int width,
                                const unsigned int height, const unsigned int depth) {
    if (name.empty() || maker() == nullptr) {
        return nullptr;
    }
    I_Texture* const made = maker()->create(name, data, bpp, width, height, depth);
    if (made != nullptr) {
        add(name, made);
    }
    return made;
}

I_Texture* TextureStore::add(const std::string& name) {
    return get(name, true);
}

I_Texture* TextureStore::add(const std::string& name, const std::string& path) {
    return findOrMake(name,
                      [&path](I_TextureMaker& textureMaker) { return textureMaker.create(path); });
}

I_Texture* TextureStore::makeMissing(I_TextureMaker& textureMaker, const std::string& name) {
    return textureMaker.create(name);
}

} // namespace MatSys
