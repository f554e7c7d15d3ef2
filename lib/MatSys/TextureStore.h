#pragma once

#include "MatSys/I_Texture.h"
#include "MatSys/I_TextureMaker.h"
#include "MatSys/ResourceStore.h"

#include <string>

namespace MatSys {

using TextureStoreIterator = ResourceStore<I_Texture, I_TextureMaker>::Iterator;

// The textures of the material system by name (option words and extension included), made
// on demand by a texture maker.
class TextureStore : public ResourceStore<I_Texture, I_TextureMaker> {
public:
    explicit TextureStore(I_TextureMaker* maker);

    void setTextureMaker(I_TextureMaker* maker);
    I_TextureMaker* getTextureMaker() const;
    // A new texture of the pixels, offered to the store under the name and returned whatever
    // the store did: under a taken name it is not stored and belongs to the caller. Null, and
    // nothing made, for an empty name or without a maker.
    virtual I_Texture* create(const std::string& name, const unsigned char* data, unsigned int bpp,
                              unsigned int width, unsigned int height, unsigned int depth);
    using ResourceStore::add;
    // get(name, true).
    virtual I_Texture* add(const std::string& name);
    // A stored texture of that name, or one made from path, whose file and option words
    // count, kept under the name.
    virtual I_Texture* add(const std::string& name, const std::string& path);

protected:
    I_Texture* makeMissing(I_TextureMaker& maker, const std::string& name) override;
};

} // namespace MatSys
