#include "game/TextPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(TextPlacement, TextsAreCentredNearTheirPointAtTheScreensScale) {
    struct Row {
        const char* what;
        Tool::FontMetrics font;
        std::size_t length;
        float px, py, screenWidth, screenHeight, x, y;
    };
    // The game font: 16 pixel cells, a column gap of -2, its own scale 1. The glyph centres of
    // a five-byte score at 370 run to 426: the text's middle lies 2 pixels left of 400.
    const Tool::FontMetrics game{1.0f, 16.0f, -2.0f};
    const Row rows[] = {
        {"score, base screen", game, 5, 0.5f, 0.92f, 800, 600, 370.0f, 552.0f},
        {"score, 1600 x 900: by the height", game, 5, 0.5f, 0.92f, 1600, 900, 755.0f, 828.0f},
        // By the width, k = 0.5. Advance (10 + 3) x 2 = 26; the gap counts at the font's scale,
        // then all at k.
        {"scaled font, 400 x 1200", {2.0f, 10.0f, 3.0f}, 3, 0.25f, 0.5f, 400, 1200, 87.5f, 600},
        // By the width, k = 0.41625. Each product is rounded before it is added or taken off:
        // fused multiply-adds would give x = 116.550003.
        {"three bytes, 333 x 250", game, 3, 0.37f, 0.61f, 333, 250, 116.549995f, 152.5f},
    };
    for (const Row& row : rows) {
        const float k = Tool::screenFactor(row.screenWidth, row.screenHeight, 800, 600);
        const SprSys::Spatial2D start = Tool::textStart(
            row.font, row.length, {row.px, row.py, 7.0f}, k, row.screenWidth, row.screenHeight);
        EXPECT_EQ(start.x, row.x) << row.what;
        EXPECT_EQ(start.y, row.y) << row.what;
        EXPECT_EQ(start.z, 7.0f);
        EXPECT_EQ(start.angle, 0);
    }
}

} // namespace
