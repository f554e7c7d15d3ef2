#include "SprFont/SpriteFont.h"

#include "CFG/GlobalConfig.h"
#include "CFG/Info.h"
#include "CFG/InfoParser.h"
#include "GameHelper/CFGHelper.h"
#include "MatSys/TextureStore.h"
#include "SprSys/AnimFrameStore.h"
#include "SprSys/SpriteRotation.h"
#include "SprSys/SpriteSheet.h"
#include "Util/StrToNum.h"
#include "Util/StringUtils.h"

#include <utility>

namespace SprFont {

namespace {

// A one-character key is that character's byte; a longer one is a hexadecimal code.
long characterCode(const std::string& key) {
    if (key.size() == 1) {
        return static_cast<unsigned char>(key[0]);
    }
    return Util::strToNum<int>(key, 16);
}

std::size_t slot(char c) {
    return static_cast<unsigned char>(c);
}

} // namespace

SpriteFont::SpriteFont(MatSys::TextureStore* store, const std::string& path, float fontScale)
    : Util::NamedObject(path), m_scale(fontScale), m_colGap(0.0f),
      m_rowGap(0.0f), m_color{255, 255, 255, 255} {
    const CFG::Info config(path, CFG::getDefaultOverrides());
    const CFG::InfoParser parser(&config);
    if (m_scale == 0.0f) {
        m_scale = config.get("FONT_SCALE").empty() ? 1.0f : parser.getNumber<float>("FONT_SCALE");
    }
    m_glyphWidth = parser.getNumber<int>("GLYPH_WIDTH");
    m_glyphHeight = parser.getNumber<int>("GLYPH_HEIGHT");
    const int border = parser.getNumber<int>("GLYPH_BORDER");
    m_sheet = std::make_unique<SprSys::SpriteSheet>(store->add(config.get("GLYPHS_IMAGE")),
                                                    m_glyphWidth, m_glyphHeight, border, false);
    m_colGap = static_cast<float>(parser.getNumber<int>("GLYPH_COL_GAP"));
    m_rowGap = static_cast<float>(parser.getNumber<int>("GLYPH_ROW_GAP"));
    m_rotation = std::make_unique<SprSys::SpriteRotation>(static_cast<float>(m_glyphWidth),
                                                          static_cast<float>(m_glyphHeight));
    m_frameStore = std::make_unique<SprSys::AnimFrameStore>();
    GameHelper::CFGHelper::populateAnimFrameStore(m_frameStore.get(), path, "GLF_");
    m_glyphWidths.fill(m_glyphWidth);
    applyMappings(parser);
}

SpriteFont::~SpriteFont() {
    // The frames go first, then the sheet and the table; the image stays in its store.
    m_frameStore.reset();
    m_sheet.reset();
    m_rotation.reset();
}

// Every item is split into its pair before any is applied, so a malformed item ends the
// program before the font changes. Codes outside 0-255 are ignored.
void SpriteFont::applyMappings(const CFG::InfoParser& parser) {
    CFG::InfoParser::StringPairGettor gettor("=>");
    std::vector<std::pair<std::string, std::string>> items;
    parser.getObjList("GLYPH_MAPPINGS", gettor, items, ",");
    for (const auto& [key, value] : items) {
        const long code = characterCode(key);
        if (code < 0 || code >= static_cast<long>(m_glyphFrames.size())) {
            continue;
        }
        const auto index = static_cast<std::size_t>(code);
        std::vector<std::string> parts;
        Util::splitString(value, ":", parts, true, true);
        // "frame:width" sets the width (an empty width is 0); other part counts keep it.
        if (parts.size() == 2) {
            m_glyphWidths[index] = Util::strToNum<int>(parts[1], 10);
        }
        // A frame the file does not define draws the store's default frame.
        m_glyphFrames[index].push_back(m_frameStore->get(parts[0]));
    }
}

int SpriteFont::getWidth() const {
    return m_glyphWidth;
}
int SpriteFont::getHeight() const {
    return m_glyphHeight;
}
int SpriteFont::getWidth(char c) const {
    return m_glyphWidths[slot(c)];
}
float SpriteFont::getColGap() const {
    return m_colGap;
}
void SpriteFont::setColGap(float gap) {
    m_colGap = gap;
}
float SpriteFont::getRowGap() const {
    return m_rowGap;
}
void SpriteFont::setRowGap(float gap) {
    m_rowGap = gap;
}
float SpriteFont::getScale() const {
    return m_scale;
}
void SpriteFont::setScale(float fontScale) {
    m_scale = fontScale;
}
const Util::RGBA& SpriteFont::getColor() const {
    return m_color;
}
void SpriteFont::setColor(const Util::RGBA& fontColor) {
    m_color = fontColor;
}
const SprSys::SpriteSheet* SpriteFont::getSprSheet() const {
    return m_sheet.get();
}
const SprSys::SpriteRotation* SpriteFont::getRotation() const {
    return m_rotation.get();
}
const SpriteFont::FrameList* SpriteFont::getAnimFrames(char c) const {
    return &m_glyphFrames[slot(c)];
}

} // namespace SprFont
