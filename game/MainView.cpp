#include "game/MainView.h"

#include "game/MainLogic.h"
#include "game/TextPlacement.h"

#include "CFG/GlobalConfig.h"
#include "CFG/InfoParser.h"
#include "Game/GameManager.h"
#include "GameHelper/Render/RenderHelper.h"
#include "MatSys/Facade/MaterialSystemFacade.h"
#include "MatSys/I_Texture.h"
#include "MathStuff/Matrix4x4.h"
#include "Render/I_RenderController.h"
#include "Render/I_VertexArray.h"
#include "Render/TexturedQuad.h"
#include "SprFont/SpriteFont.h"
#include "SprFont/SpriteFontRenderer.h"
#include "Util/NumToStr.h"
#include "Util/StringUtils.h"

#include <GL/glew.h>

#include <vector>

namespace Tool {

namespace {

// A unit square as a triangle strip, x, y, z, u, v per vertex.
const Render::TexturedQuad s_unitQuad = {{{-0.5f, 0.5f, 0.0f, 0.0f, 1.0f},
                                          {-0.5f, -0.5f, 0.0f, 0.0f, 0.0f},
                                          {0.5f, 0.5f, 0.0f, 1.0f, 1.0f},
                                          {0.5f, -0.5f, 0.0f, 1.0f, 0.0f}}};

} // namespace

MainView::MainView(Game::GameManager* gm, MainLogic* playState)
    : gameManager(gm), controller(gm->getRenderController()), play(playState) {
    materialSystem = std::make_unique<MatSys::MaterialSystemFacade>("", nullptr);
    unitQuad.reset(controller->createTexturedQuadVA(s_unitQuad, true));
    CFG::InfoParser& cfg = CFG::parser();
    font = std::make_unique<SprFont::SpriteFont>(materialSystem->getTextureStore(),
                                                 CFG::get("FONT_CFG"),
                                                 cfg.getNumber<float>("FONT_SCALE"));
    const int glyphs = cfg.getNumber<int>("NUM_GLYPH_IMAGES");
    // No glyph room (a missing NUM_GLYPH_IMAGES) means no text, not a null array in use.
    if (glyphs > 0) {
        glyphArray.reset(
            controller->createVTCArray(SprFont::SpriteFontRenderer::sizeOfVA(glyphs), true));
    }
    if (glyphArray) {
        fontRenderer =
            std::make_unique<SprFont::SpriteFontRenderer>(font.get(), glyphArray.get(), 0);
    }
    cells = std::make_unique<CellQuads>(play->gridWidth, play->gridHeight);
}

MainView::~MainView() = default;

void MainView::setPause(bool) {}

void MainView::setScreenSize(int width, int height) {
    screenWidth = width;
    screenHeight = height;
}

void MainView::preUpdate(float) {}

void MainView::onUpdate(float) {}

void MainView::onRender() {
    controller->setColor({255, 255, 255, 255});
    controller->doClear({0, 0, 0, 0});
    GameHelper::RenderHelper(controller).set2D(screenWidth, screenHeight, false);
    drawCells();
    if (play->gameOver) {
        drawTexts();
    }
}

EVT::I_Event* MainView::onInput(EVT::I_Event* event) {
    return event;
}

Game::ViewBox MainView::getViewBox() const {
    return {0, 0, screenWidth, screenHeight};
}

// The cells go straight to OpenGL as one client-array quads draw in the current colour.
void MainView::drawCells() {
    const int quads = cells->fill(play->grid.data(), static_cast<float>(screenWidth),
                                  static_cast<float>(screenHeight));
    glDisable(GL_TEXTURE_2D);
    glActiveTexture(GL_TEXTURE0);
    glClientActiveTexture(GL_TEXTURE0);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, cells->data());
    glDrawArrays(GL_QUADS, 0, 4 * quads);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void MainView::drawTexts() {
    // The key list is read until it holds a name, then kept for the rest of the process.
    static std::vector<std::string> s_textkeys;
    const float s = screenFactor(static_cast<float>(screenWidth), static_cast<float>(screenHeight),
                                 static_cast<float>(gameManager->getBaseWidth()),
                                 static_cast<float>(gameManager->getBaseHeight()));
    CFG::InfoParser& cfg = CFG::parser();
    drawText(Util::numToStr<int>(play->score, 10, 5, -1), cfg.getPoint<float>("TIME_POS"), s);
    if (s_textkeys.empty()) {
        Util::splitString(CFG::get("TEXT_INFO_KEYS"), ",", s_textkeys, false, true);
    }
    for (const std::string& key : s_textkeys) {
        const std::string text = CFG::get(key + "_TEXT");
        const float scale = s * cfg.getNumber<float>(key + "_SCALE");
        drawText(text, cfg.getPoint<float>(key + "_POS"), scale);
    }
}

void MainView::drawText(const std::string& text, const MathStuff::Vector3<float>& point, float k) {
    if (!fontRenderer) {
        return;
    }
    const FontMetrics metrics{font->getScale(), static_cast<float>(font->getWidth()),
                              font->getColGap()};
    const SprSys::Spatial2D start =
        textStart(metrics, text.size(), point, k, static_cast<float>(screenWidth),
                  static_cast<float>(screenHeight));
    fontRenderer->display(controller, text, start, nullptr, k,
                          SprFont::SpriteFontRenderer::getDefaultMover());
}

void MainView::renderTexture(MatSys::I_Texture* texture, float width, float height,
                             MathStuff::Vector3<float> position) {
    if (texture == nullptr) {
        return;
    }
    // Scales x by the width and y by the height, then moves to the position.
    MathStuff::Matrix4x4<float> matrix;
    matrix.m[0] = width;
    matrix.m[5] = height;
    matrix.m[10] = 1.0f;
    matrix.m[12] = position.x;
    matrix.m[13] = position.y;
    matrix.m[14] = position.z;
    matrix.m[15] = 1.0f;
    glMultMatrixf(matrix.m);
    texture->beginUsing(0);
    unitQuad->beginUsing();
    controller->drawArrays(Render::RT_TRIANGLE_STRIP, 0, 4);
    unitQuad->endUsing();
    texture->endUsing(0);
    glLoadIdentity();
}

void MainView::renderScreenTexture(MatSys::I_Texture* texture, MathStuff::Vector3<float> position,
                                   float scale) {
    if (texture == nullptr) {
        return;
    }
    const float rx =
        static_cast<float>(screenWidth) / static_cast<float>(gameManager->getBaseWidth());
    const float ry =
        static_cast<float>(screenHeight) / static_cast<float>(gameManager->getBaseHeight());
    position.x *= rx;
    position.y *= ry;
    int width = 0;
    int height = 0;
    int depth = 0;
    texture->getSize(width, height, depth);
    renderTexture(texture, static_cast<float>(width) * rx * scale,
                  static_cast<float>(height) * ry * scale, position);
}

} // namespace Tool
