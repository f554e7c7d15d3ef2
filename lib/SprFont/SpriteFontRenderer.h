#pragma once

#include "SprSys/Spatial2D.h"

#include <string>

namespace Render {
class I_RenderController;
class I_VertexArray;
} // namespace Render

namespace SprSys {
struct Sprite;
}

namespace Util {
struct RGBA;
}

namespace SprFont {

class SpriteFont;

// Lays text out in a sprite font as glyph quads in one vertex array and draws it. After each
// character a mover places the pen for the next one.
class SpriteFontRenderer {
public:
    // Moves the sprite being laid out to where the glyph after the one at index goes.
    class I_Mover {
    public:
        virtual ~I_Mover() = default;
        virtual void next(SprSys::Sprite* sprite, SpriteFontRenderer* renderer,
                          const std::string& text, int index, const SprSys::Spatial2D& start) = 0;
    };

    // Left to right by each character's width and the column gap; a newline goes back to the
    // start x one line height and row gap lower (y points up).
    class DefaultMover : public I_Mover {
    public:
        void next(SprSys::Sprite* sprite, SpriteFontRenderer* renderer, const std::string& text,
                  int index, const SprSys::Spatial2D& start) override;
    };

    // Neither the font nor the array is owned; the array must have the sprite vertex layout.
    SpriteFontRenderer(SpriteFont* font, Render::I_VertexArray* array, int textureUnit);
    virtual ~SpriteFontRenderer() = default;

    // Bytes of an array for that many single-frame glyphs; a count beyond the most whose bytes
    // an int holds (14,913,080) gives the bytes of that most.
    static int sizeOfVA(int glyphs);
    static I_Mover* getDefaultMover();

    SpriteFont* getFont() const { return m_font; }
    void setFont(SpriteFont* newFont) { m_font = newFont; }

    // Binds the glyph texture and the array; unless keep is set, writing starts again at the
    // array's beginning.
    void beginUsing(bool keep);
    // Appends the text's glyph quads and returns the pen position after its last character.
    // A null colour takes the font's; the scale multiplies the font's scale.
    SprSys::Spatial2D addText(const std::string& text, const SprSys::Spatial2D& start,
                              const Util::RGBA* color, float scale, I_Mover* mover);
    void endUsing();
    // Glyph quads written since the last restart.
    unsigned int numGlyphs() const;
    // Lays out and draws one text on its own, as quads from the array's beginning.
    SprSys::Spatial2D display(Render::I_RenderController* controller, const std::string& text,
                              const SprSys::Spatial2D& start, const Util::RGBA* color, float scale,
                              I_Mover* mover);

private:
    SpriteFont* m_font;
    Render::I_VertexArray* m_array;
    int m_textureUnit;
    int m_counter;
};

} // namespace SprFont
