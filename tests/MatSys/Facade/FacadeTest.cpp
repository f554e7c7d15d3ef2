#include "../OGL/MatSysGLTest.h"

#include "MatSys/Facade/MaterialSystemFacade.h"
#include "MatSys/I_Color.h"
#include "MatSys/I_Texture.h"
#include "MatSys/Material.h"
#include "MatSys/MaterialStore.h"
#include "MatSys/TextureStore.h"

#include <unistd.h>

#include <filesystem>
#include <memory>

namespace {

using MatSys::MaterialSystemFacade;

// A program whose colour is its texture on unit 1 times tint, with a blue tint of its own, a
// material "stone" that tints red, and a material "plain" that brings no parameters.
const char* const s_scene = "lit.VS_CODE == \"varying vec2 uv;\n"
                            "void main() { uv = gl_MultiTexCoord0.xy;\n"
                            "gl_Position = ftransform(); }\n\"\n"
                            "lit.FS_CODE == \"varying vec2 uv;\nuniform sampler2D tex;\n"
                            "uniform vec4 tint;\n"
                            "void main() { gl_FragColor = texture2D(tex, uv) * tint; }\n\"\n"
                            "lit_SHADERS == lit.VS lit.FS\n"
                            "lit_PARAMS == \"tint:4f=0,0,1,1\ntex:sampler2D=1\"\n"
                            "stone_PROG == lit\n"
                            "stone_MAT_lit_PARAMS == tint:4f=1,0,0,1\n"
                            "stone_MAT_TEXTURES == 1:img.NEAR.NCMP.tga\n"
                            "plain_PROG == lit\n"
                            "plain_MAT_TEXTURES == 1:img.NEAR.NCMP.tga\n";

class FacadeTest : public MatSysGLTest {
protected:
    FacadeTest() {
        std::filesystem::create_directory(m_dir.path("data"));
        m_dir.write("data/scene.matdef", s_scene);
        writeTGA("data/img.NEAR.NCMP.tga", 2, 2, 32, s_quadrants);
    }

    static void draw(MatSys::Material& material) {
        material.beginUsing();
        drawQuad();
        material.endUsing();
    }
};

TEST_F(FacadeTest, AMaterialOfTheDefinitionFileDrawsItsProgramWithItsTextureAndParameters) {
    MaterialSystemFacade facade(m_dir.path("data/scene.matdef"), nullptr);
    EXPECT_EQ(facade.getMaterial("stone"), nullptr);
    ASSERT_TRUE(facade.addMaterial("stone"));
    draw(*facade.getMaterial("stone"));
    EXPECT_EQ(pixel(10, 10), s_red);
    EXPECT_EQ(pixel(50, 10), s_black);
    EXPECT_EQ(pixel(50, 50), s_red);
    // A second material of the same program leaves the program's own tint in place.
    ASSERT_TRUE(facade.addMaterial("plain", nullptr, m_dir.path("data/scene.matdef")));
    draw(*facade.getMaterial("plain"));
    EXPECT_EQ(pixel(10, 50), s_blue);
    EXPECT_EQ(pixel(10, 10), s_black);
    // Stored: no file is read again.
    std::filesystem::remove(m_dir.path("data/scene.matdef"));
    EXPECT_TRUE(facade.addMaterial("stone"));
    EXPECT_FALSE(facade.addMaterial("missing"));
    EXPECT_EQ(glGetError(), GLenum{GL_NO_ERROR});
}

TEST_F(FacadeTest, APathWithoutFolderAndAnEmptyPathReadFromTheWorkingDirectory) {
    const std::string before = std::filesystem::current_path();
    std::filesystem::current_path(m_dir.path("data"));
    {
        MaterialSystemFacade facade("scene.matdef", nullptr);
        EXPECT_TRUE(facade.addMaterial("stone"));
        MaterialSystemFacade bare("", nullptr);
        EXPECT_NE(bare.getTextureStore()->add("img.NEAR.NCMP.tga"), nullptr);
        EXPECT_EQ(bare.getTextureStore()->add("missing.tga"), nullptr);
    }
    std::filesystem::current_path(before);
}

TEST_F(FacadeTest, ColoursFromValuesAndHexadecimalText) {
    const MaterialSystemFacade facade("", nullptr);
    const auto rgba = [&facade](const std::string& text) {
        const std::unique_ptr<MatSys::I_Color> color(facade.getColor(text));
        const Util::RGBA value = color->RGBA();
        return Pixel{value.r, value.g, value.b, value.a};
    };
    EXPECT_EQ(rgba(""), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(rgba("FF0000FF"), s_red);
    EXPECT_EQ(rgba("0xFF0000FF"), s_red);
    EXPECT_EQ(rgba("FF"), (Pixel{0, 0, 0, 255}));
}

// Nothing catches the conversion error: it ends the process through terminate.
void colorUncaught(const std::string& text) noexcept {
    MaterialSystemFacade("", nullptr).getColor(text);
}

TEST(FacadeDeathTest, ColourTextThatIsNoNumberEndsTheProcessWithTheConversionError) {
    EXPECT_DEATH(colorUncaught("red"), "what\\(\\):  Cant convert String to Num:red");
}

} // namespace
