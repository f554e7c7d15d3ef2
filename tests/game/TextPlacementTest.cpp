#include "game/TextPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(TextPlacement, TextsAreCentredNearTheirPointAtTheirScale) {
    struct Case {
        const char* what;
        Tool::FontMetrics font;
        std::size_t length;
        MathStuff::Vector3<float> point;
        float k, screenWidth, screenHeight;
        float x, y, z;
    };
    // The game font: 16 pixel cells, a column gap of -2, its own scale 1. The glyph centres of
    // a five-byte score at 370 run to 426: the text's middle lies 2 pixels left of 400.
    const Tool::FontMetrics game{1.0f, 16.0f, -2.0f};
    const Case cases[] = {
        {"score, base screen", game, 5, {0.5f, 0.92f, 0.0f}, 1.0f, 800, 600, 370.0f, 552.0f, 0},
        {"score, 1600 x 900", game, 5, {0.5f, 0.92f, 0.0f}, 1.5f, 1600, 900, 755.0f, 828.0f, 0},
        // Advance (10 + 3) x 2 = 26; the gap counts at the font's scale, then all at k.
        {"scaled font",
         {2.0f, 10.0f, 3.0f},
         3,
         {0.25f, 0.5f, 7.0f},
         0.5f,
         800,
         600,
         187.5f,
         300,
         7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SprSys::Spatial2D start =
            Tool::textStart(c.font, c.length, c.point, c.k, c.screenWidth, c.screenHeight);
        EXPECT_FLOAT_EQ(start.x, c.x);
        EXPECT_FLOAT_EQ(start.y, c.y);
        EXPECT_FLOAT_EQ(start.z, c.z);
        EXPECT_EQ(start.angle, 0);
    }
}

TEST(TextPlacement, TextsScaleByTheSmallerRatioOfScreenToBase) {
    EXPECT_FLOAT_EQ(Tool::screenFactor(1600, 900, 800, 600), 1.5f);
    EXPECT_FLOAT_EQ(Tool::screenFactor(800, 1200, 800, 600), 1.0f);
    EXPECT_FLOAT_EQ(Tool::screenFactor(400, 600, 800, 600), 0.5f);
}

} // namespace
