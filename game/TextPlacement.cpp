#include "game/TextPlacement.h"

#include <algorithm>

namespace Tool {

SprSys::Spatial2D textStart(const FontMetrics& font, const std::size_t length,
                            const MathStuff::Vector3<float>& point, const float k,
                            const float screenWidth, const float screenHeight) {
    const float advance = (font.width + font.colGap) * font.scale;
    const float n = static_cast<float>(length);
    SprSys::Spatial2D start;
    start.x = screenWidth * point.x -
              ((n * advance - font.colGap * font.scale) - advance) * k * 0.5f - font.scale * k;
    start.y = screenHeight * point.y;
    start.z = point.z;
    start.angle = 0;
    return start;
}

float screenFactor(const float screenWidth, const float screenHeight, const float baseWidth,
                   const float baseHeight) {
    return std::min(screenWidth / baseWidth, screenHeight / baseHeight);
}

} // namespace Tool
