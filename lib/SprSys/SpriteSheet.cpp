#include "SprSys/SpriteSheet.h"

#include "CFG/GlobalConfig.h"
#include "CFG/Info.h"
#include "CFG/InfoParser.h"
#include "MatSys/I_Texture.h"
#include "MatSys/TextureStore.h"
#include "Util/StrToNum.h"
#include "Util/StringUtils.h"

#include <algorithm>
#include <cstdint>

namespace SprSys {

namespace {

// Whether the span from one edge to the other, in either order, lies within 0 to size.
bool within(const std::int64_t edge, const std::int64_t otherEdge, const int size) {
    return std::min(edge, otherEdge) >= 0 && std::max(edge, otherEdge) <= size;
}

} // namespace

SpriteSheet::SpriteSheet(MatSys::I_Texture* sheetTexture, int frameWidth, int frameHeight,
                         int spacing, bool adjust)
    : m_texture(sheetTexture) {
    initGridSheet(frameWidth, frameHeight, spacing, adjust);
}

SpriteSheet::SpriteSheet(MatSys::TextureStore* store, const std::string& path)
    : m_texture(nullptr) {
    const CFG::Info config(path, CFG::getDefaultOverrides());
    const CFG::InfoParser parser(&config);
    m_texture = store->add(config.get("IMAGE_NAME"));
    const int count = parser.getNumber<int>("NUM_FRAMES");
    if (count == 0) {
        const int frameWidth = parser.getNumber<int>("FRAME_WIDTH");
        const int frameHeight = parser.getNumber<int>("FRAME_HEIGHT");
        const int spacing = parser.getNumber<int>("GRID_SPACING");
        initGridSheet(frameWidth, frameHeight, spacing, parser.getBool("DO_TEXCOORD_ADJUST"));
        return;
    }
    int width = 0;
    int height = 0;
    int depth = 0;
    if (m_texture != nullptr) {
        m_texture->getSize(width, height, depth);
    }
    // No more entries are read than the image has pixels: a missing or empty image holds no
    // frame, and a count in the billions does not cost a look-up each.
    const std::int64_t entries = std::min(std::int64_t{count}, std::int64_t{width} * height);
    for (std::int64_t i = 0; i < entries; ++i) {
        addFrameRectangle(config.get("FRAME_" + std::to_string(i)), width, height);
    }
}

// An entry without exactly four numbers, or whose rectangle leaves the image, is skipped, so
// later entries move down one index; every number is converted first, so a malformed one ends
// the process even then. The far edges are summed in 64 bits, where no int sum overflows.
void SpriteSheet::addFrameRectangle(const std::string& text, int width, int height) {
    std::vector<std::string> parts;
    Util::splitString(text, ",", parts, false, true);
    std::vector<int> values;
    values.reserve(parts.size());
    for (const std::string& part : parts) {
        values.push_back(Util::strToNum<int>(part));
    }
    if (values.size() != 4) {
        return;
    }
    const std::int64_t x = values[0];
    const std::int64_t y = values[1];
    const std::int64_t right = x + values[2];
    const std::int64_t bottom = y + values[3];
    if (!within(x, right, width) || !within(y, bottom, height)) {
        return;
    }
    SpriteBox box{static_cast<float>(static_cast<double>(x) / width),
                  static_cast<float>(static_cast<double>(y) / height),
                  static_cast<float>(static_cast<double>(right) / width),
                  static_cast<float>(static_cast<double>(bottom) / height)};
    addBox(box);
    m_frameSizes.emplace_back(values[2], values[3]);
}

void SpriteSheet::beginUsing(int unit) const {
    if (m_texture != nullptr) {
        m_texture->beginUsing(unit);
    }
}

void SpriteSheet::endUsing(int unit) const {
    if (m_texture != nullptr) {
        m_texture->endUsing(unit);
    }
}

const SpriteBox& SpriteSheet::getSpriteBox(unsigned int index,
                                           AnimFrame::Orientation orientation) const {
    return m_boxes[orientation][index];
}

unsigned int SpriteSheet::getNumFrames() const {
    return static_cast<unsigned int>(m_frameSizes.size());
}

int SpriteSheet::getFrameWidth(unsigned int index) const {
    return m_frameSizes[index].first;
}

int SpriteSheet::getFrameHeight(unsigned int index) const {
    return m_frameSizes[index].second;
}

void SpriteSheet::addBox(SpriteBox& box) {
    m_boxes[AnimFrame::N].push_back(box);
    m_boxes[AnimFrame::H].push_back({box.u0, box.v1, box.u1, box.v0});
    m_boxes[AnimFrame::V].push_back({box.u1, box.v0, box.u0, box.v1});
    m_boxes[AnimFrame::HV].push_back({box.u1, box.v1, box.u0, box.v0});
}

void SpriteSheet::initGridSheet(int frameWidth, int frameHeight, int spacing, bool adjust) {
    // In 64 bits, where a frame and its spacing cannot overflow.
    const std::int64_t stepX = std::int64_t{frameWidth} + spacing;
    const std::int64_t stepY = std::int64_t{frameHeight} + spacing;
    if (m_texture == nullptr || stepX <= 0 || stepY <= 0) {
        return;
    }
    int width = 0;
    int height = 0;
    int depth = 0;
    m_texture->getSize(width, height, depth);
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    float hu = 0.0f;
    float hv = 0.0f;
    if (adjust) {
        const float sign = spacing != 0 ? 1.0f : -1.0f;
        hu = sign * 0.5f / w;
        hv = sign * 0.5f / h;
    }
    for (std::int64_t y = 0; y <= height - stepY; y += stepY) {
        for (std::int64_t x = 0; x <= width - stepX; x += stepX) {
            SpriteBox box{static_cast<float>(x) / w - hu, static_cast<float>(y) / h - hv,
                          static_cast<float>(x) / w + static_cast<float>(frameWidth) / w + hu,
                          static_cast<float>(y) / h + static_cast<float>(frameHeight) / h + hv};
            addBox(box);
            m_frameSizes.emplace_back(frameWidth, frameHeight);
        }
    }
}

} // namespace SprSys
