#include "SpriteFakes.h"

#include "SprSys/Sprite.h"
#include "SprSys/SpriteRender.h"
#include "SprSys/SpriteRotation.h"
#include "SprSys/SpriteSheet.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using KessokTest::FakeVertexArray;
using Floats = std::vector<float>;
using Frames = std::vector<const SprSys::AnimFrame*>;

TEST(SpriteRotation, CornersTurnCounterClockwiseByWholeDegreesWrappingIntoTheTable) {
    const SprSys::SpriteRotation table(8.0f, 16.0f);
    const SprSys::RotationBox& b = table.getRotationBox(-270);
    const Floats corners{b.x0, b.y0, b.x1, b.y1, b.x2, b.y2, b.x3, b.y3};
    const Floats want{-8, -4, 8, -4, 8, 4, -8, 4};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_NEAR(corners[i], want[i], 1e-5f) << i;
    }
    // The recipe is fixed: float radians, double sine and cosine, double corners.
    const auto radians = static_cast<double>(static_cast<float>(30 * 0.017453292519943295));
    const auto s = static_cast<double>(static_cast<float>(std::sin(radians)));
    const auto c = static_cast<double>(static_cast<float>(std::cos(radians)));
    EXPECT_EQ(table.getRotationBox(30).x0, static_cast<float>(-4.0 * c - 8.0 * s));
    EXPECT_EQ(table.getRotationBox(30).y0, static_cast<float>(-4.0 * s + 8.0 * c));
    for (const auto& [angle, entry] : {std::pair(719, 359), {725, 5}, {-360, 0}, {-1, 359}}) {
        EXPECT_EQ(&table.getRotationBox(angle), &table.getRotationBox(entry)) << angle;
    }
}

// A 64 x 32 texture cut into 16 x 8 frames: 4 columns, 4 rows.
class SpriteRenderTest : public ::testing::Test {
protected:
    SprSys::Sprite spriteOf(const Frames& list) {
        SprSys::Sprite sprite;
        sprite.position = {100.0f, 50.0f, 0.0f, 0};
        sprite.color = {255, 128, 0, 255};
        sprite.frames = &list;
        return sprite;
    }

    KessokTest::FakeTexture texture{64, 32};
    SprSys::SpriteSheet sheet{&texture, 16, 8, 0, false};
    FakeVertexArray array{144 * 4};
};

TEST_F(SpriteRenderTest, QuadCornersColoursAndTextureBox) {
    SprSys::AnimFrame frame;
    frame.frameIndex = 5; // column 1, row 1
    frame.scaleX = 2.0f;
    const Frames list{&frame};
    SprSys::Sprite sprite = spriteOf(list);
    sprite.position.angle = 33; // without a table the quad is not turned
    EXPECT_EQ(SprSys::SpriteRender::toVA(sprite, &array, 0, nullptr, &sheet, false), 144);
    const float g = 128 / 255.0f;
    EXPECT_EQ(array.vertex(0), (Floats{84, 54, 0, 0.25f, 0.5f, 1, g, 0, 1}));
    EXPECT_EQ(array.vertex(1), (Floats{84, 46, 0, 0.25f, 0.25f, 1, g, 0, 1}));
    EXPECT_EQ(array.vertex(2), (Floats{116, 46, 0, 0.5f, 0.25f, 1, g, 0, 1}));
    EXPECT_EQ(array.vertex(3), (Floats{116, 54, 0, 0.5f, 0.5f, 1, g, 0, 1}));
    // In the x-z plane the y extent goes to z.
    SprSys::SpriteRender::toVA(sprite, &array, 0, nullptr, &sheet, true);
    EXPECT_EQ(Floats(array.vertex(1)).at(2), -4.0f);
    EXPECT_EQ(array.vertex(0)[1], 50.0f);
}

// With a table the corners come from its entry for the sprite's and the frame's angles
// together, scaled by both scales, whatever the frame's own pixel size; the base point
// rounds halves to even.
TEST_F(SpriteRenderTest, TableCornersTurnByBothAnglesInEachPlane) {
    SprSys::AnimFrame frame;
    frame.frameIndex = 5;
    frame.orientation = SprSys::AnimFrame::HV;
    frame.offsetX = 2;
    frame.offsetY = 5;
    frame.angle = 30;
    frame.scaleY = 3.0f;
    const Frames list{&frame};
    SprSys::Sprite sprite = spriteOf(list);
    sprite.position = {100.5f, 49.5f, 6.5f, 60};
    sprite.scaleX = 2.0f;
    const SprSys::SpriteRotation table(6.0f, 4.0f);
    // At 90 degrees the offset (4, 15) turns to (-15, 4), so the centre is (85, 54); corner 0
    // of the 6 x 4 table is (-2, -3) and corner 2 is (2, 3).
    const std::pair<bool, Floats> cases[] = {
        {false, {81, 45, 6, 0.5f, 0.25f, 89, 63, 6, 0.25f, 0.5f}},
        {true, {81, 54, -3, 0.5f, 0.25f, 89, 54, 15, 0.25f, 0.5f}},
    };
    for (const auto& [plane, want] : cases) {
        SprSys::SpriteRender::toVA(sprite, &array, 0, &table, &sheet, plane);
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_NEAR(array.vertex(0)[i], want[i], 1e-4) << plane << " value " << i;
            EXPECT_NEAR(array.vertex(2)[i], want[i + 5], 1e-4) << plane << " value " << i;
        }
    }
}

TEST_F(SpriteRenderTest, QuadsFollowEachOtherAndSkipWhatDoesNotFit) {
    SprSys::AnimFrame inside;
    SprSys::AnimFrame outside;
    outside.frameIndex = 16; // one past the sheet's last frame
    const Frames three{&inside, &inside, &inside};
    EXPECT_EQ(SprSys::SpriteRender::toVA(spriteOf(three), &array, 144, nullptr, &sheet, false),
              432);
    FakeVertexArray small(144 * 2);
    const Frames mixed{&outside, &inside, &outside, &inside, &inside};
    EXPECT_EQ(SprSys::SpriteRender::toVA(spriteOf(mixed), &small, 0, nullptr, &sheet, false), 288);
    EXPECT_EQ(SprSys::SpriteRender::toVA(spriteOf(mixed), &small, 200, nullptr, &sheet, false), 0);
}

} // namespace
