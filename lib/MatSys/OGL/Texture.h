#pragma once

#include "MatSys/I_Texture.h"
#include "MatSys/TextureOptions.h"

namespace MatSys::OGL {

// A GL texture made once from pixels: 2D, or 3D when its depth is 2 or more, filtered,
// mipmapped and compressed as its options say. The pixels are not kept. When GL refuses the
// upload (too large, unsupported, out of memory) the GL texture is deleted again and getID
// gives 0.
class Texture : public MatSys::I_Texture {
public:
    // bpp: 32 RGBA bytes, 64 RGBA floats, 24 RGB bytes, anything else one alpha byte.
    Texture(const unsigned char* data, unsigned int bpp, unsigned int width, unsigned int height,
            unsigned int depth, const MatSys::TextureOptions& options);
    ~Texture() override;
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    const unsigned int& getID() const override;
    void getSize(int& width, int& height, int& depth) const override;
    // GL_TEXTURE_2D or GL_TEXTURE_3D.
    unsigned int getType() const;
    void beginUsing(int unit) const override;
    // Disables the target on the unit and makes unit 0 active again; the texture stays bound.
    void endUsing(int unit) const override;
    // Acts on the texture bound to the target. A 3D texture takes the rectangle through every
    // layer, so data then holds depth slices of width × height pixels.
    void update(unsigned char* data, int x, int y, int width, int height, bool alpha) override;
    // Replaces the whole image with pixels of the size and format it was made with.
    void update(const unsigned char* data);
    const MatSys::TextureOptions& getOptions() const override;
    // Applies only the filter, to the texture bound to the target.
    void setOptions(const MatSys::TextureOptions& options) override;
    unsigned int getImageSize(bool alpha) const override;
    // Binds the texture to its target on the active unit and reads every layer into data,
    // which holds getImageSize(alpha) bytes.
    void getImage(unsigned char* data, bool alpha) const override;

private:
    void setUp(const unsigned char* data);
    void upload(const unsigned char* data) const;
    unsigned int internalFormat() const;
    unsigned int pixelType() const;

    unsigned int m_width;
    unsigned int m_height;
    unsigned int m_depth;
    unsigned int m_target;
    unsigned int m_format;
    unsigned int m_id = 0;
    MatSys::TextureOptions m_options;
};

} // namespace MatSys::OGL
