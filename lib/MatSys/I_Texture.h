#pragma once

#include "MatSys/TextureOptions.h"

namespace MatSys {

// A texture of the material system: a GL texture object that can be bound to a texture
// unit, updated, read back and rendered into.
class I_Texture {
public:
    virtual ~I_Texture() = default;

    // The GL texture name.
    virtual const unsigned int& getID() const = 0;
    // Depth is 0 or 1 for a 2D texture.
    virtual void getSize(int& width, int& height, int& depth) const = 0;
    virtual void beginUsing(int unit) const = 0;
    virtual void endUsing(int unit) const = 0;
    // Replaces a rectangle of the bound texture with RGBA (alpha) or RGB pixels.
    virtual void update(unsigned char* data, int x, int y, int width, int height, bool alpha) = 0;
    virtual const TextureOptions& getOptions() const = 0;
    virtual void setOptions(const TextureOptions& options) = 0;
    // Bytes that getImage writes: RGBA (alpha) or RGB pixels of every layer.
    virtual unsigned int getImageSize(bool alpha) const = 0;
    virtual void getImage(unsigned char* data, bool alpha) const = 0;
};

} // namespace MatSys
