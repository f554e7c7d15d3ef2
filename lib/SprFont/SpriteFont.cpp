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
    : Util::NamedObject(path), scale(fontScale), colGap(0.0f),
      rowGap(0.0f), color{255, 255, 255, 255} {
    const CFG::Info config(path, CFG::getDefaultOverrides());
    const CFG::InfoParser parser(&config);
    if (scale == 0.0f) {
        scale = config.get("FONT_SCALE").empty() ? 1.0f : parser.getNumber<float>("FONT_SCALE");
    }
    glyphWidth = parser.getNumber<int>("GLYPH_WIDTH");
    glyphHeight = parser.getNumber<int>("GLYPH_HEIGHT");
    const int border = parser.getNumber<int>("GLYPH_BORDER");
    sheet = std::make_unique<SprSys::SpriteSheet>(store->add(config.get("GLYPHS_IMAGE")),
                                                  glyphWidth, glyphHeight, border, false);
    colGap = static_cast<float>(parser.getNumber<int>("GLYPH_COL_GAP"));
    rowGap = static_cast<float>(parser.getNumber<int>("GLYPH_ROW_GAP"));
    rotation = std::make_unique<SprSys::SpriteRotation>(static_cast<float>(glyphWidth),
                                                        static_cast<float>(glyphHeight));
    frameStore = std::make_unique<SprSys::AnimFrameStore>();
    GameHelper::CFGHelper::populateAnimFrameStore(frameStore.get(), path, "GLF_");
    glyphWidths.fill(glyphWidth);
    applyMappings(parser);
}

SpriteFont::~SpriteFont() {
    // The frames go first, then the sheet and the table; the image stays in its store.
    frameStore.reset();
    sheet.reset();
    rotation.reset();
}

// Every item is split into its pair before any is applied, so a malformed item ends the
// program before the font changes. Codes outside 0-255 are ignored.
void SpriteFont::applyMappings(const CFG::InfoParser& parser) {
    CFG::InfoParser::StringPairGettor gettor("=>");
    std::vector<std::pair<std::string, std::string>> items;
    parser.getObjList("GLYPH_MAPPINGS", gettor, items, ",");
    for (const auto& [key, value] : items) {
        const long code = characterCode(key);
        if (code < 0 || code >= static_cast<long>(glyphFrames.size())) {
            continue;
        }
        const auto index = static_cast<std::size_t>(code);
        std::vector<std::string> parts;
        Util::splitString(value, ":", parts, true, true);
        // "frame:width" sets the width (an empty width is 0); other part counts keep it.
        if (parts.size() == 2) {
            glyphWidths[index] = Util::strToNum<int>(parts[1], 10);
        }
        // A frame the file does not define draws the store's default frame.
        glyphFrames[index].push_back(frameStore->get(parts[0]));
    }
}

int SpriteFont::getWidth() const {
    return glyphWidth;
}
int SpriteFont::getHeight() const {
    return glyphHeight;
}
int SpriteFont::getWidth(char c) const {
    return glyphWidths[slot(c)];
}
float SpriteFont::getColGap() const {
    return colGap;
}
void SpriteFont::setColGap(float gap) {
    colGap = gap;
}
float SpriteFont::getRowGap() const {
    return rowGap;
}
void SpriteFont::setRowGap(float gap) {
    rowGap = gap;
}
float SpriteFont::getScale() const {
    return scale;
}
void SpriteFont::setScale(float fontScale) {
    scale = fontScale;
}
const Util::RGBA& SpriteFont::getColor() const {
    return color;
}
void SpriteFont::setColor(const Util::RGBA& fontColor) {
    color = fontColor;
}
const SprSys::SpriteSheet* SpriteFont::getSprSheet() const {
    return sheet.get();
}
const SprSys::SpriteRotation* SpriteFont::getRotation() const {
    return rotation.get();
}
const SpriteFont::FrameList* SpriteFont::getAnimFrames(char c) const {
    return &glyphFrames[slot(c)];
}

} // namespace SprFont
