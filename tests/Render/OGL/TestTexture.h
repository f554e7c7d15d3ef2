#pragma once

#include "MatSys/I_Texture.h"

// An RGBA texture over a real GL texture object, 2D or (depth above 1) 3D, for render
// buffers to render into. Options are not supported.
class TestTexture : public MatSys::I_Texture {
public:
    TestTexture(int width, int height, int depth);
    ~TestTexture() override;
    TestTexture(const TestTexture&) = delete;
    TestTexture& operator=(const TestTexture&) = delete;

    const unsigned int& getID() const override { return m_id; }
    void getSize(int& width, int& height, int& depth) const override;
    void beginUsing(int unit) const override;
    void endUsing(int unit) const override;
    void update(unsigned char* data, int x, int y, int width, int height, bool alpha) override;
    const MatSys::TextureOptions& getOptions() const override;
    void setOptions(const MatSys::TextureOptions& options) override;
    unsigned int getImageSize(bool alpha) const override;
    void getImage(unsigned char* data, bool alpha) const override;

    // One texel of a layer as 0xRRGGBBAA.
    unsigned int texel(int x, int y, int layer = 0) const;

    // How often getSize was asked, which render buffers do once per attachment.
    mutable int m_sizeQueries = 0;

private:
    unsigned int m_id = 0;
    unsigned int m_target;
    int m_width;
    int m_height;
    int m_depth;
};
