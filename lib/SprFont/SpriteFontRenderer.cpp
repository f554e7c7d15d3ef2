#include "SprFont/SpriteFontRenderer.h"

#include "Render/I_RenderController.h"
#include "Render/I_VertexArray.h"
#include "Render/RenderType.h"
#include "SprFont/SpriteFont.h"
#include "SprSys/Sprite.h"
#include "SprSys/SpriteRender.h"
#include "SprSys/SpriteSheet.h"

#include <algorithm>
#include <limits>

namespace SprFont {

void SpriteFontRenderer::DefaultMover::next(SprSys::Sprite* sprite, SpriteFontRenderer* renderer,
                                            const std::string& text, int index,
                                            const SprSys::Spatial2D& start) {
    const SpriteFont& rendererFont = *renderer->getFont();
    const char c = text[static_cast<std::size_t>(index)];
    if (c == '\n') {
        sprite->position.x = start.x;
        sprite->position.y -=
            (static_cast<float>(rendererFont.getHeight()) + rendererFont.getRowGap()) *
            sprite->scaleY;
    } else {
        sprite->position.x +=
            (static_cast<float>(rendererFont.getWidth(c)) + rendererFont.getColGap()) *
            sprite->scaleX;
    }
}

SpriteFontRenderer::SpriteFontRenderer(SpriteFont* rendererFont, Render::I_VertexArray* glyphArray,
                                       int unit)
    : m_font(rendererFont), m_array(glyphArray), m_textureUnit(unit), m_counter(0) {}

int SpriteFontRenderer::sizeOfVA(int glyphs) {
    // The count is held to what an int of bytes can hold, so the product cannot overflow; the
    // quad writer skips a glyph that does not fit, as in any array too small for its text.
    constexpr int MOST = std::numeric_limits<int>::max() / SprSys::SpriteRender::QUAD_BYTES;
    return std::clamp(glyphs, -MOST, MOST) * SprSys::SpriteRender::QUAD_BYTES;
}

SpriteFontRenderer::I_Mover* SpriteFontRenderer::getDefaultMover() {
    static DefaultMover s_defMover;
    return &s_defMover;
}

void SpriteFontRenderer::beginUsing(bool keep) {
    m_font->getSprSheet()->beginUsing(m_textureUnit);
    m_array->beginUsing();
    if (!keep) {
        m_counter = 0;
    }
}

SprSys::Spatial2D SpriteFontRenderer::addText(const std::string& text,
                                              const SprSys::Spatial2D& start,
                                              const Util::RGBA* color, float scale,
                                              I_Mover* mover) {
    const float glyphScale = m_font->getScale() * scale;
    SprSys::Sprite sprite;
    sprite.position = start;
    sprite.color = color != nullptr ? *color : m_font->getColor();
    sprite.scaleX = glyphScale;
    sprite.scaleY = glyphScale;
    for (std::size_t i = 0; i < text.size(); ++i) {
        sprite.frames = m_font->getAnimFrames(text[i]);
        m_counter += SprSys::SpriteRender::toVA(sprite, m_array, m_counter, m_font->getRotation(),
                                                m_font->getSprSheet(), false);
        mover->next(&sprite, this, text, static_cast<int>(i), start);
    }
    return sprite.position;
}

void SpriteFontRenderer::endUsing() {
    m_font->getSprSheet()->endUsing(m_textureUnit);
    m_array->endUsing();
}

unsigned int SpriteFontRenderer::numGlyphs() const {
    return static_cast<unsigned int>(m_counter / SprSys::SpriteRender::QUAD_BYTES);
}

SprSys::Spatial2D SpriteFontRenderer::display(Render::I_RenderController* controller,
                                              const std::string& text,
                                              const SprSys::Spatial2D& start,
                                              const Util::RGBA* color, float scale,
                                              I_Mover* mover) {
    beginUsing(false);
    const SprSys::Spatial2D end = addText(text, start, color, scale, mover);
    controller->drawArrays(Render::RT_QUADS, 0, numGlyphs() * 4);
    endUsing();
    return end;
}

} // namespace SprFont
