#include "SprSys/SpriteRotation.h"

#include <cmath>

namespace SprSys {

namespace {

constexpr int DEGREES = 360;
constexpr double RADIANS_PER_DEGREE = 0.017453292519943295;

// One corner (x, y) turned counter-clockwise by the angle whose sine and cosine are s and c,
// worked in double and stored as float.
void turn(float x, float y, float s, float c, float& outX, float& outY) {
    outX = static_cast<float>(static_cast<double>(x) * c - static_cast<double>(y) * s);
    outY = static_cast<float>(static_cast<double>(x) * s + static_cast<double>(y) * c);
}

} // namespace

SpriteRotation::SpriteRotation(float width, float height) {
    const float hw = width * 0.5f;
    const float hh = height * 0.5f;
    m_table.reserve(DEGREES);
    for (int a = 0; a < DEGREES; ++a) {
        const auto radians = static_cast<float>(a * RADIANS_PER_DEGREE);
        const auto s = static_cast<float>(std::sin(static_cast<double>(radians)));
        const auto c = static_cast<float>(std::cos(static_cast<double>(radians)));
        RotationBox box{};
        turn(-hw, hh, s, c, box.x0, box.y0);
        turn(-hw, -hh, s, c, box.x1, box.y1);
        turn(hw, -hh, s, c, box.x2, box.y2);
        turn(hw, hh, s, c, box.x3, box.y3);
        m_table.push_back(box);
    }
}

const RotationBox& SpriteRotation::getRotationBox(int angle) const {
    const int index = (angle % DEGREES + DEGREES) % DEGREES;
    return m_table[static_cast<std::size_t>(index)];
}

} // namespace SprSys
