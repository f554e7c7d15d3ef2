#include "SprSys/SpriteSheet.h"

#include "CFG/GlobalConfig.h"
#include "CFG/Info.h"
#include "CFG/InfoParser.h"
#include "MatSys/I_Texture.h"
#include "MatSys/TextureStore.h"
#include "Util/StrToNum.h"
#include "Util/StringUtils.h"

namespace SprSys {

SpriteSheet::SpriteSheet(MatSys::I_Texture* sheetTexture, int frameWidth, int frameHeight,
                         int spacing, bool adjust)
    : texture(sheetTexture) {
    initGridSheet(frameWidth, frameHeight, spacing, adjust);
}

SpriteSheet::SpriteSheet(MatSys::TextureStore* store, const std::string& path) : texture(nullptr) {
    CFG::Info const config(path, CFG::getDefaultOverrides());
    CFG::InfoParser const parser(&config);
    texture = store->add(config.get("IMAGE_NAME"));
    int const count = parser.getNumber<int>("NUM_FRAMES");
    if (count == 0) {
        int const frameWidth = parser.getNumber<int>("FRAME_WIDTH");
        int const frameHeight = parser.getNumber<int>("FRAME_HEIGHT");
        int const spacing = parser.getNumber<int>("GRID_SPACING");
        initGridSheet(frameWidth, frameHeight, spacing, parser.getBool("DO_TEXCOORD_ADJUST"));
        return;
    }
    if (texture == nullptr) {
        return;
    }
    int width = 0;
    int height = 0;
    int depth = 0;
    texture->getSize(width, height, depth);
    for (int i = 0; i < count; ++i) {
        addFrameRectangle(config.get("FRAME_" + std::to_string(i)), width, height);
    }
}

// An entry without exactly four numbers is skipped, so later entries move down one index;
// every number is converted first, so a malformed one ends the process even then.
void SpriteSheet::addFrameRectangle(const std::string& text, int width, int height) {
    std::vector<std::string> parts;
    Util::splitString(text, ",", parts, false, true);
    std::vector<int> values;
    for (const std::string& part : parts) {
        values.push_back(Util::strToNum<int>(part));
    }
    if (values.size() != 4) {
        return;
    }
    int const x = values[0];
    int const y = values[1];
    int const w = values[2];
    int const h = values[3];
    SpriteBox box{static_cast<float>(static_cast<double>(x) / width),
                  static_cast<float>(static_cast<double>(y) / height),
                  static_cast<float>(static_cast<double>(x + w) / width),
                  static_cast<float>(static_cast<double>(y + h) / height)};
    addBox(box);
    frameSizes.emplace_back(w, h);
}

void SpriteSheet::beginUsing(int unit) const {
    if (texture != nullptr) {
        texture->beginUsing(unit);
    }
}

void SpriteSheet::endUsing(int unit) const {
    if (texture != nullptr) {
        texture->endUsing(unit);
    }
}

const SpriteBox& SpriteSheet::getSpriteBox(unsigned int index,
                                           AnimFrame::Orientation orientation) const {
    return boxes[orientation][index];
}

unsigned int SpriteSheet::getNumFrames() const {
    return static_cast<unsigned int>(frameSizes.size());
}

int SpriteSheet::getFrameWidth(unsigned int index) const {
    return frameSizes[index].first;
}

int SpriteSheet::getFrameHeight(unsigned int index) const {
    return frameSizes[index].second;
}

void SpriteSheet::addBox(SpriteBox& box) {
    boxes[AnimFrame::N].push_back(box);
    boxes[AnimFrame::H].push_back({box.u0, box.v1, box.u1, box.v0});
    boxes[AnimFrame::V].push_back({box.u1, box.v0, box.u0, box.v1});
    boxes[AnimFrame::HV].push_back({box.u1, box.v1, box.u0, box.v0});
}

void SpriteSheet::initGridSheet(int frameWidth, int frameHeight, int spacing, bool adjust) {
    int const stepX = frameWidth + spacing;
    int const stepY = frameHeight + spacing;
    if (texture == nullptr || stepX <= 0 || stepY <= 0) {
        return;
    }
    int width = 0;
    int height = 0;
    int depth = 0;
    texture->getSize(width, height, depth);
    auto const w = static_cast<float>(width);
    auto const h = static_cast<float>(height);
    float hu = 0.0f;
    float hv = 0.0f;
    if (adjust) {
        float const sign = spacing != 0 ? 1.0f : -1.0f;
        hu = sign * 0.5f / w;
        hv = sign * 0.5f / h;
    }
    for (int y = 0; y <= height - stepY; y += stepY) {
        for (int x = 0; x <= width - stepX; x += stepX) {
            SpriteBox box{static_cast<float>(x) / w - hu, static_cast<float>(y) / h - hv,
                          static_cast<float>(x) / w + static_cast<float>(frameWidth) / w + hu,
                          static_cast<float>(y) / h + static_cast<float>(frameHeight) / h + hv};
            addBox(box);
            frameSizes.emplace_back(frameWidth, frameHeight);
        }
    }
}

} // namespace SprSys
