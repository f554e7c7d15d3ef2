#pragma once

#include "SprSys/AnimFrame.h"
#include "SprSys/Spatial2D.h"
#include "Util/RGBA.h"

#include <vector>

namespace SprSys {

// What one call of the sprite quad writer draws: one quad per frame of the list, in order.
// The sprite owns neither the list nor the frames.
struct Sprite {
    Spatial2D position;
    Util::RGBA color;
    const std::vector<const AnimFrame*>* frames = nullptr;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
};

} // namespace SprSys
