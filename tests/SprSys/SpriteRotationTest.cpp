#include "SprSys/SpriteRotation.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

std::array<float, 8> corners(const SprSys::RotationBox& b) {
    return {b.x0, b.y0, b.x1, b.y1, b.x2, b.y2, b.x3, b.y3};
}

void expectNear(const SprSys::RotationBox& box, const std::array<float, 8>& expected) {
    auto const actual = corners(box);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-5f) << "value " << i;
    }
}

TEST(SpriteRotation, CornersTurnCounterClockwiseByWholeDegrees) {
    SprSys::SpriteRotation const table(8.0f, 16.0f);
    EXPECT_EQ(corners(table.getRotationBox(0)), (std::array<float, 8>{-4, 8, -4, -8, 4, -8, 4, 8}));
    expectNear(table.getRotationBox(90), {-8, -4, 8, -4, 8, 4, -8, 4});
    expectNear(table.getRotationBox(180), {4, -8, 4, 8, -4, 8, -4, -8});
    // The recipe is fixed: float radians, double sine and cosine, double corners.
    auto const s = static_cast<float>(
        std::sin(static_cast<double>(static_cast<float>(30 * 0.017453292519943295))));
    auto const c = static_cast<float>(
        std::cos(static_cast<double>(static_cast<float>(30 * 0.017453292519943295))));
    EXPECT_EQ(table.getRotationBox(30).x0,
              static_cast<float>(-4.0 * static_cast<double>(c) - 8.0 * static_cast<double>(s)));
}

TEST(SpriteRotation, AnglesWrapIntoTheTable) {
    SprSys::SpriteRotation const table(8.0f, 16.0f);
    const std::pair<int, int> cases[] = {{360, 0},   {719, 359}, {725, 5},
                                         {-90, 270}, {-360, 0},  {-1, 359}};
    for (auto const& [angle, entry] : cases) {
        EXPECT_EQ(&table.getRotationBox(angle), &table.getRotationBox(entry)) << angle;
    }
}

} // namespace
