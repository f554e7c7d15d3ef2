#pragma once

#include "SprSys/AnimFrame.h"
#include "Util/NamedObject.h"
#include "Util/RGBA.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace CFG {
class InfoParser;
}

namespace MatSys {
class TextureStore;
}

namespace SprSys {
class AnimFrameStore;
class SpriteRotation;
class SpriteSheet;
} // namespace SprSys

namespace SprFont {

// A bitmap font read from a sprite-font file: a glyph image cut into equal cells, named frames
// over those cells ("GLF_" keys) and, for each of the 256 byte values, the frames that draw it
// and its advance width (GLYPH_MAPPINGS). Its name is the file's path.
class SpriteFont : public Util::NamedObject {
public:
    using FrameList = std::vector<const SprSys::AnimFrame*>;

    // A scale of 0 takes FONT_SCALE from the file (1 when that is empty).
    SpriteFont(MatSys::TextureStore* store, const std::string& path, float scale);
    ~SpriteFont() override;

    virtual int getWidth() const;
    virtual int getHeight() const;
    // The advance width of the character, in unscaled pixels.
    virtual int getWidth(char c) const;
    virtual float getColGap() const;
    virtual void setColGap(float gap);
    virtual float getRowGap() const;
    virtual void setRowGap(float gap);
    virtual float getScale() const;
    virtual void setScale(float fontScale);
    virtual const Util::RGBA& getColor() const;
    virtual void setColor(const Util::RGBA& fontColor);

    const SprSys::SpriteSheet* getSprSheet() const;
    const SprSys::SpriteRotation* getRotation() const;
    // Valid while the font lives; empty for a character the font does not map.
    const FrameList* getAnimFrames(char c) const;

private:
    void applyMappings(const CFG::InfoParser& parser);

    float m_scale;
    float m_colGap;
    float m_rowGap;
    Util::RGBA m_color;
    int m_glyphWidth;
    int m_glyphHeight;
    std::unique_ptr<SprSys::SpriteSheet> m_sheet;
    std::unique_ptr<SprSys::SpriteRotation> m_rotation;
    std::unique_ptr<SprSys::AnimFrameStore> m_frameStore;
    std::array<FrameList, 256> m_glyphFrames;
    std::array<int, 256> m_glyphWidths;
};

} // namespace SprFont
