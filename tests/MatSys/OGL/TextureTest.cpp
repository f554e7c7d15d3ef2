#include "MatSysGLTest.h"

#include "MatSys/OGL/Texture.h"
#include "MatSys/OGL/TextureMaker.h"

#include <memory>

namespace {

using MatSys::OGL::Texture;
using MatSys::OGL::TextureMaker;
using TexturePtr = std::unique_ptr<MatSys::I_Texture>;

// What Mesa compresses generic RGBA to.
constexpr GLint s_dxt5 = GL_COMPRESSED_RGBA_S3TC_DXT5_EXT;

class TextureTest : public MatSysGLTest {
protected:
    TexturePtr load(const std::string& name) { return TexturePtr(m_maker.create(name)); }

    // A parameter of the texture, or of its image when level0 is set.
    static GLint parameter(const MatSys::I_Texture& texture, GLenum name, bool level0 = false) {
        const GLenum target = static_cast<const Texture&>(texture).getType();
        glBindTexture(target, texture.getID());
        GLint value = 0;
        level0 ? glGetTexLevelParameteriv(target, 0, name, &value)
               : glGetTexParameteriv(target, name, &value);
        return value;
    }

    TextureMaker m_maker{m_dir.path()};
};

TEST_F(TextureTest, NamesChooseFileTargetFilterAndStorage) {
    writeTGA("img.tga", 2, 2, 32, s_quadrants);
    writeTGA("img.NEAR.NMIP.NCMP.tga", 2, 2, 32, s_quadrants);
    writeTGA("rgb.NCMP.tga", 1, 1, 24, {1, 2, 3});
    writeTGA("mask.tga", 2, 1, 8, {7, 9});
    writeTGA("vol.3D.tga", 16, 256, 32, Bytes(16 * 256 * 4, 5));
    writeTGA("flat.3D.tga", 16, 128, 32, Bytes(16 * 128 * 4, 5));
    const struct {
        const char* name;
        GLenum target;
        GLint filter;
        GLint mipmaps;
        GLint storage;
        int size[3];
    } cases[] = {
        {"img.tga", GL_TEXTURE_2D, GL_LINEAR, GL_TRUE, s_dxt5, {2, 2, 0}},
        {"img.NEAR.NMIP.NCMP.tga", GL_TEXTURE_2D, GL_NEAREST, GL_FALSE, GL_RGBA, {2, 2, 0}},
        {"rgb.NCMP.tga", GL_TEXTURE_2D, GL_LINEAR, GL_TRUE, GL_RGBA, {1, 1, 0}},
        {"mask.tga", GL_TEXTURE_2D, GL_LINEAR, GL_TRUE, GL_ALPHA8, {2, 1, 0}},
        {"vol.3D.tga", GL_TEXTURE_3D, GL_LINEAR, GL_FALSE, GL_RGBA, {16, 16, 16}},
        {"flat.3D.tga", GL_TEXTURE_2D, GL_LINEAR, GL_TRUE, s_dxt5, {16, 128, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TexturePtr texture = load(c.name);
        ASSERT_NE(texture, nullptr);
        EXPECT_EQ(static_cast<const Texture&>(*texture).getType(), c.target);
        EXPECT_EQ(parameter(*texture, GL_TEXTURE_MIN_FILTER), c.filter);
        EXPECT_EQ(parameter(*texture, GL_TEXTURE_MAG_FILTER), c.filter);
        EXPECT_EQ(parameter(*texture, GL_GENERATE_MIPMAP), c.mipmaps);
        EXPECT_EQ(parameter(*texture, GL_TEXTURE_INTERNAL_FORMAT, true), c.storage);
        int size[3] = {};
        texture->getSize(size[0], size[1], size[2]);
        EXPECT_EQ(std::vector<int>(size, size + 3), std::vector<int>(c.size, c.size + 3));
    }
    EXPECT_EQ(glGetError(), GLenum{GL_NO_ERROR});
}

TEST_F(TextureTest, MissingFilesOtherExtensionsAndRefusedUploadsGiveNull) {
    writeTGA("img.TGA", 2, 2, 32, s_quadrants);
    EXPECT_EQ(load("img.TGA"), nullptr);
    EXPECT_EQ(load("missing.tga"), nullptr);
    // Wider than any texture GL allows: the upload fails and no texture is returned.
    const Bytes wide(20000 * 4, 0);
    EXPECT_EQ(TexturePtr(m_maker.create("wide", wide.data(), 32, 20000, 1, 0)), nullptr);
    EXPECT_EQ(glGetError(), GLenum{GL_NO_ERROR});
}

TEST_F(TextureTest, MakingBindsTheNewTextureOnlyAndDeletingLeavesOtherTexturesAlone) {
    // The caller's textures take the context's first names, 1 and 2. With these options, all
    // off but 2D, a delete that read a second name past the texture's own would read 1.
    GLuint callers[2] = {};
    glGenTextures(2, callers);
    const struct {
        const char* what;
        unsigned int width, depth;
        bool made;
    } ROWS[] = {{"2D", 2, 0, true}, {"3D", 2, 2, true}, {"refused", 20000, 0, false}};
    const Bytes pixels(20000 * 2 * 4, 0);
    for (const auto& row : ROWS) {
        glBindTexture(GL_TEXTURE_2D, callers[0]);
        glBindTexture(GL_TEXTURE_3D, callers[1]);
        glEnable(0xFFFF); // an error left pending by earlier code
        auto texture = std::make_unique<Texture>(pixels.data(), 32, row.width, 2, row.depth,
                                                 MatSys::TextureOptions{true, false, false, false});
        const auto id = static_cast<GLint>(texture->getID());
        EXPECT_EQ(id != 0, row.made) << row.what;
        // The new texture stays bound to its target; a refused one is gone from it.
        const bool is3D = row.depth > 1;
        EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), is3D ? GLint(callers[0]) : id) << row.what;
        EXPECT_EQ(integer(GL_TEXTURE_BINDING_3D), is3D ? id : GLint(callers[1])) << row.what;
        texture.reset();
        EXPECT_FALSE(glIsTexture(GLuint(id))) << row.what;
        EXPECT_TRUE(glIsTexture(callers[0]) && glIsTexture(callers[1])) << row.what;
    }
}

TEST_F(TextureTest, BeginAndEndUsingSwitchTheUnitAndItsTarget) {
    const TexturePtr texture(m_maker.create("t.NCMP", s_quadrants.data(), 32, 2, 2, 0));
    ASSERT_NE(texture, nullptr);
    const auto state = [] {
        return std::vector<GLint>{integer(GL_ACTIVE_TEXTURE), integer(GL_CLIENT_ACTIVE_TEXTURE),
                                  integer(GL_TEXTURE_BINDING_2D), glIsEnabled(GL_TEXTURE_2D)};
    };
    const auto id = static_cast<GLint>(texture->getID());
    texture->beginUsing(1);
    EXPECT_EQ(state(), (std::vector<GLint>{GL_TEXTURE1, GL_TEXTURE1, id, GL_TRUE}));
    texture->endUsing(1);
    // Unit 0 holds the texture since it was made.
    EXPECT_EQ(state(), (std::vector<GLint>{GL_TEXTURE0, GL_TEXTURE0, id, GL_FALSE}));
    glActiveTexture(GL_TEXTURE1);
    EXPECT_EQ(state(), (std::vector<GLint>{GL_TEXTURE1, GL_TEXTURE0, id, GL_FALSE}));
}

TEST_F(TextureTest, UpdatesAndReadsBackOddWidthImagesIn2DAnd3D) {
    // A 3-wide cube of 24-bit pixels: rows of 9 bytes, which GL's default alignment pads.
    Bytes cube(3 * 9 * 3);
    for (std::size_t i = 0; i < cube.size(); ++i) {
        cube[i] = static_cast<unsigned char>(i);
    }
    const TexturePtr volume(m_maker.create("v.3D", cube.data(), 24, 3, 9, 0));
    ASSERT_NE(volume, nullptr);
    EXPECT_EQ(volume->getImageSize(false), cube.size());
    // Column 1, rows 0 to 1, every layer: 1 × 2 × 3 pixels.
    const Bytes patch(1 * 2 * 3 * 3, 200);
    volume->beginUsing(0);
    volume->update(const_cast<unsigned char*>(patch.data()), 1, 0, 1, 2, false);
    volume->endUsing(0);
    Bytes rgb(volume->getImageSize(false));
    volume->getImage(rgb.data(), false);
    for (int layer = 0; layer < 3; ++layer) {
        const std::size_t row0 = 3 * (3 * (3 * static_cast<std::size_t>(layer)));
        EXPECT_EQ(rgb[row0 + 3], 200);
        EXPECT_EQ(rgb[row0 + 9 + 3], 200);
        EXPECT_EQ(rgb[row0 + 18 + 3], cube[row0 + 18 + 3]);
        EXPECT_EQ(rgb[row0], cube[row0]);
    }
    const Bytes mask{1, 2, 3, 4, 5, 6, 7, 8, 9};
    Texture alpha(mask.data(), 8, 3, 3, 0, {true, false, false, false});
    Bytes back(alpha.getImageSize(true));
    alpha.getImage(back.data(), true);
    EXPECT_EQ(back[4 * 4 + 3], 5);
    EXPECT_EQ(back[4 * 8 + 3], 9);
    EXPECT_EQ(Texture(nullptr, 8, 64, 32, 0, {}).getImageSize(true), 8192u);
    EXPECT_EQ(glGetError(), GLenum{GL_NO_ERROR});
}

} // namespace
