#include "SprSys/SpriteSheet.h"

#include "CFG/GlobalConfig.h"
#include "CFG/Info.h"
#include "CFG/InfoParser.h"
#include "MatSys/I_Texture.h"
#include "MatSys/TextureStore.h"
#include "Util/StrToNum.h"
#include "Util/StringUtils.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string_view>
#include <system_error>

namespace SprSys {

namespace {

constexpr std::string_view FRAME_PREFIX = "FRAME_";

// The key of explicit frame i: i in decimal, without leading zeros.
std::string frameKey(const std::int64_t index) {
    return std::string(FRAME_PREFIX) + std::to_string(index);
}

// The largest i whose frame key the configuration holds itself, or -1 for none. Only the
// spelling frameKey gives is ever read, so "FRAME_01" or "FRAME_-1" does not count.
std::int64_t lastFrameKey(const CFG::Info& config) {
    std::vector<std::string> keys;
    config.keys(keys);
    std::int64_t last = -1;
    for (const std::string& key : keys) {
        if (!Util::startswith(key, FRAME_PREFIX)) {
            continue;
        }
        std::int64_t index = 0;
        const char* const end = key.data() + key.size();
        const auto [next, error] = std::from_chars(key.data() + FRAME_PREFIX.size(), end, index);
        if (error == std::errc() && next == end && index > last && key == frameKey(index)) {
            last = index;
        }
    }
    return last;
}

} // namespace

SpriteSheet::SpriteSheet(MatSys::I_Texture* sheetTexture, int frameWidth, int frameHeight,
                         int spacing, bool adjust)
    : m_texture(sheetTexture) {
    initGridSheet(frameWidth, frameHeight, spacing, adjust);
}

SpriteSheet::SpriteSheet(MatSys::TextureStore* store, const std::string& path)
    : m_texture(nullptr) {
    CFG::Info* const overrides = CFG::getDefaultOverrides();
    const CFG::Info config(path, overrides);
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
    // A missing or empty image holds no frame, and its size divides no box.
    if (width <= 0 || height <= 0) {
        return;
    }
    // A missing entry reads as empty text and is skipped, so reading stops at the last frame
    // key of the file or of the overrides: a count in the billions costs no look-up each.
    const std::int64_t last =
        std::min(std::int64_t{count} - 1, std::max(lastFrameKey(config), lastFrameKey(*overrides)));
    for (std::int64_t i = 0; i <= last; ++i) {
        addFrameRectangle(config.get(frameKey(i)), width, height);
    }
}

// An entry without exactly four numbers is skipped, so later entries move down one index;
// every number is converted first, so a malformed one ends the process even then. A
// rectangle that leaves the image is kept, its box reaching beyond 0 to 1. The far edges are
// summed in 64 bits, where no int sum overflows.
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
