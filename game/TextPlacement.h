#pragma once

#include "MathStuff/Vector3.h"
#include "SprSys/Spatial2D.h"

#include <cstddef>

// Where the game view writes its texts: centred near a point given as fractions of the screen,
// and scaled with the screen.
namespace Tool {

// What placing a text needs of its font.
struct FontMetrics {
    float scale;
    // The glyph cell's width in pixels, before any scale.
    float width;
    float colGap;
};

// The pen start of a text of that many bytes written at the scale k on top of the font's own, so
// that its middle falls close to (screen width x point.x, screen height x point.y); z is the
// point's, the angle 0.
SprSys::Spatial2D textStart(const FontMetrics& font, std::size_t length,
                            const MathStuff::Vector3<float>& point, float k, float screenWidth,
                            float screenHeight);

// The scale every text takes from the screen: the smaller of its two ratios to the base size.
float screenFactor(float screenWidth, float screenHeight, float baseWidth, float baseHeight);

} // namespace Tool
