#pragma once

#include "game/CellQuads.h"

#include "Game/I_View.h"
#include "Game/ViewBox.h"
#include "MathStuff/Vector3.h"

#include <memory>
#include <string>

namespace Game {
class GameManager;
}

namespace MatSys {
class I_Texture;
class MaterialSystemFacade;
} // namespace MatSys

namespace Render {
class I_RenderController;
class I_VertexArray;
} // namespace Render

namespace SprFont {
class SpriteFont;
class SpriteFontRenderer;
} // namespace SprFont

namespace Tool {

class MainLogic;

// The game's view: each frame it clears to black and draws every non-zero cell of the play
// state's grid as a white square, the grid filling the screen with row 0 at the top; while the
// game is over it also writes the score and the configured information texts.
class MainView : public Game::I_View {
public:
    // The most glyphs NUM_GLYPH_IMAGES may give one text: more than a 3840 x 2160 screen holds
    // in the game's font at scale 1, in a glyph array of 9 MiB.
    static constexpr int MAX_GLYPHS = 65536;

    MainView(Game::GameManager* gm, MainLogic* play);
    ~MainView() override;

    void setPause(bool paused) override;
    void setScreenSize(int width, int height) override;
    void preUpdate(float dt) override;
    void onUpdate(float dt) override;
    void onRender() override;
    EVT::I_Event* onInput(EVT::I_Event* event) override;
    Game::ViewBox getViewBox() const override;

    // Draws the texture as a width x height rectangle centred at the position, leaving the
    // current matrix as the identity.
    void renderTexture(MatSys::I_Texture* texture, float width, float height,
                       MathStuff::Vector3<float> position);
    // Draws the texture at its own pixel size scaled to the screen.
    void renderScreenTexture(MatSys::I_Texture* texture, MathStuff::Vector3<float> position,
                             float scale);

private:
    void drawCells();
    void drawTexts();
    // Writes the text centred near the configured point, as fractions of the screen.
    void drawText(const std::string& text, const MathStuff::Vector3<float>& point, float scale);

    Game::GameManager* m_gameManager;
    Render::I_RenderController* m_controller;
    int m_screenWidth = 0;
    int m_screenHeight = 0;
    MainLogic* m_play;
    // Declared so that they are destroyed cells first and the material system last.
    std::unique_ptr<MatSys::MaterialSystemFacade> m_materialSystem;
    std::unique_ptr<Render::I_VertexArray> m_unitQuad;
    std::unique_ptr<Render::I_VertexArray> m_glyphArray;
    std::unique_ptr<SprFont::SpriteFont> m_font;
    std::unique_ptr<SprFont::SpriteFontRenderer> m_fontRenderer;
    std::unique_ptr<CellQuads> m_cells;
};

} // namespace Tool
