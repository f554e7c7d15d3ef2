#include "GameHelper/Render/RenderHelper.h"
#include "MatSys/Facade/MaterialSystemFacade.h"
#include "Render/I_VertexArray.h"
#include "Render/OGL/Controller.h"
#include "SprFont/SpriteFont.h"
#include "SprFont/SpriteFontRenderer.h"
#include "Support/GLTest.h"

#include <unistd.h>

#include <memory>

namespace {

// The design of the game font's "0", seven rows of five pixels drawn two by two from column
// 3 and row 1 of its 16 x 16 cell.
const char* const ZERO[7] = {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "};

class SpriteFontGLTest : public TestSupport::GLTest {};

TEST_F(SpriteFontGLTest, TextFromTheGameFontImageLandsPixelForPixel) {
    ASSERT_EQ(chdir(KESSOK_SOURCE_DIR "/game/data"), 0);
    Render::ViewData view;
    OGL::Controller controller(view);
    controller.init();
    MatSys::MaterialSystemFacade materials("", nullptr);
    SprFont::SpriteFont font(materials.getTextureStore(), "font.cfg", 1.0f);
    const std::unique_ptr<Render::I_VertexArray> array(
        controller.createVTCArray(SprFont::SpriteFontRenderer::sizeOfVA(8), false));
    SprFont::SpriteFontRenderer renderer(&font, array.get(), 0);
    GameHelper::RenderHelper(&controller).set2D(s_width, s_height, false);
    controller.doClear({0, 0, 0, 255});
    renderer.display(&controller, "0", {32, 32, 0, 0}, nullptr, 1.0f,
                     SprFont::SpriteFontRenderer::getDefaultMover());
    // The glyph's quad spans 24 to 40 on both axes; its top pixel row is y 39.
    for (int r = 0; r < 14; ++r) {
        for (int c = 0; c < 10; ++c) {
            EXPECT_EQ(TestSupport::GLWindow::pixel(27 + c, 38 - r)[0],
                      ZERO[r / 2][c / 2] == '#' ? 255 : 0)
                << "row " << r << " column " << c;
        }
    }
}

} // namespace
