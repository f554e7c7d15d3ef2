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
const Render::TexturedQuad UNIT_QUAD = {{{-0.5f, 0.5f, 0.0f, 0.0f, 1.0f},
                                         {-0.5f, -0.5f, 0.0f, 0.0f, 0.0f},
                                         {0.5f, 0.5f, 0.0f, 1.0f, 1.0f},
                                         {0.5f, -0.5f, 0.0f, 1.0f, 0.0f}}};

} // namespace

MainView::MainView(Game::GameManager* gm, MainLogic* playState)
    : m_gameManager(gm), m_controller(gm->getRenderController()), m_play(playState) {
    m_materialSystem = std::make_unique<MatSys::MaterialSystemFacade>("", nullptr);
    m_unitQuad.reset(m_controller->createTexturedQuadVA(UNIT_QUAD, true));
    CFG::InfoParser& cfg = CFG::parser();
    m_font = std::make_unique<SprFont::SpriteFont>(m_materialSystem->getTextureStore(),
                                                   CFG::get("FONT_CFG"),
                                                   cfg.getNumber<float>("FONT_SCALE"));
    const int glyphs = cfg.getNumber<int>("NUM_GLYPH_IMAGES");
    // No glyph room (a missing NUM_GLYPH_IMAGES) means no text, not a null array in use.
    if (glyphs > 0) {
        m_glyphArray.reset(
            m_controller->createVTCArray(SprFont::SpriteFontRenderer::sizeOfVA(glyphs), true));
    }
    if (m_glyphArray) {
        m_fontRenderer =
            std::make_unique<SprFont::SpriteFontRenderer>(m_font.get(), m_glyphArray.get(), 0);
    }
    m_cells = std::make_unique<CellQuads>(m_play->gridWidth, m_play->gridHeight);
}

MainView::~MainView() = default;

void MainView::setPause(bool) {}

void MainView::setScreenSize(int width, int height) {
    m_screenWidth = width;
    m_screenHeight = height;
}

void MainView::preUpdate(float) {}

void MainView::onUpdate(float) {}

void MainView::onRender() {
    m_controller->setColor({255, 255, 255, 255});
    m_controller->doClear({0, 0, 0, 0});
    GameHelper::RenderHelper(m_controller).set2D(m_screenWidth, m_screenHeight, false);
    drawCells();
    if (m_play->gameOver) {
        drawTexts();
    }
}

EVT::I_Event* MainView::onInput(EVT::I_Event* event) {
    return event;
}

Game::ViewBox MainView::getViewBox() const {
    return {0, 0, m_screenWidth, m_screenHeight};
}

// The cells go straight to OpenGL as one client-array quads draw in the current colour.
void MainView::drawCells() {
    const int quads = m_cells->fill(m_play->grid.data(), static_cast<float>(m_screenWidth),
                                    static_cast<float>(m_screenHeight));
    glDisable(GL_TEXTURE_2D);
    glActiveTexture(GL_TEXTURE0);
    glClientActiveTexture(GL_TEXTURE0);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, m_cells->data());
    glDrawArrays(GL_QUADS, 0, 4 * quads);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void MainView::drawTexts() {
    // The key list is read until it holds a name, then kept for the rest of the process.
    static std::vector<std::string> s_textKeys;
    const float s =
        screenFactor(static_cast<float>(m_screenWidth), static_cast<float>(m_screenHeight),
                     static_cast<float>(m_gameManager->getBaseWidth()),
                     static_cast<float>(m_gameManager->getBaseHeight()));
    CFG::InfoParser& cfg = CFG::parser();
    drawText(Util::numToStr<int>(m_play->score, 10, 5, -1), cfg.getPoint<float>("TIME_POS"), s);
    if (s_textKeys.empty()) {
        Util::splitString(CFG::get("TEXT_INFO_KEYS"), ",", s_textKeys, false, true);
    }
    for (const std::string& key : s_textKeys) {
        const std::string text = CFG::get(key + "_TEXT");
        const float scale = s * cfg.getNumber<float>(key + "_SCALE");
        drawText(text, cfg.getPoint<float>(key + "_POS"), scale);
    }
}

void MainView::drawText(const std::string& text, const MathStuff::Vector3<float>& point, float k) {
    if (!m_fontRenderer) {
        return;
    }
    const FontMetrics metrics{m_font->getScale(), static_cast<float>(m_font->getWidth()),
                              m_font->getColGap()};
    const SprSys::Spatial2D start =
        textStart(metrics, text.size(), point, k, static_cast<float>(m_screenWidth),
                  static_cast<float>(m_screenHeight));
    m_fontRenderer->display(m_controller, text, start, nullptr, k,
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
    m_unitQuad->beginUsing();
    m_controller->drawArrays(Render::RT_TRIANGLE_STRIP, 0, 4);
    m_unitQuad->endUsing();
    texture->endUsing(0);
    glLoadIdentity();
}

void MainView::renderScreenTexture(MatSys::I_Texture* texture, MathStuff::Vector3<float> position,
                                   float scale) {
    if (texture == nullptr) {
        return;
    }
    const float rx =
        static_cast<float>(m_screenWidth) / static_cast<float>(m_gameManager->getBaseWidth());
    const float ry =
        static_cast<float>(m_screenHeight) / static_cast<float>(m_gameManager->getBaseHeight());
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
