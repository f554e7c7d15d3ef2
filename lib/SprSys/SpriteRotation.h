#pragma once

#include "SprSys/RotationBox.h"

#include <vector>

namespace SprSys {

// The corners of one quad size turned by every whole degree from 0 to 359, so that placing a
// turned quad is a look-up instead of a sine and cosine per quad.
class SpriteRotation {
public:
    SpriteRotation(float width, float height);

    // The corners turned by angle modulo 360; a negative angle turns clockwise, as -90 is 270.
    const RotationBox& getRotationBox(int angle) const;

private:
    std::vector<RotationBox> m_table;
};

} // namespace SprSys
