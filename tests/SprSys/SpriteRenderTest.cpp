#include "SpriteFakes.h"

#include "SprSys/Sprite.h"
#include "SprSys/SpriteRender.h"
#include "SprSys/SpriteRotation.h"
#include "SprSys/SpriteSheet.h"

#include <gtest/gtest.h>

namespace {

using KessokTest::FakeVertexArray;
using Floats = std::vector<float>;

// A 64 x 32 texture cut into 16 x 8 frames: 4 columns, 4 rows.
class SpriteRenderTest : public ::testing::Test {
protected:
    SprSys::Sprite spriteOf(const std::vector<const SprSys::AnimFrame*>& list) {
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
    std::vector<const SprSys::AnimFrame*> const list{&frame};
    SprSys::Sprite sprite = spriteOf(list);
    sprite.position.angle = 33; // without a table the quad is not turned
    EXPECT_EQ(SprSys::SpriteRender::toVA(sprite, &array, 0, nullptr, &sheet, false), 144);
    float const g = 128 / 255.0f;
    EXPECT_EQ(array.vertex(0), (Floats{84, 54, 0, 0.25f, 0.5f, 1, g, 0, 1}));
    EXPECT_EQ(array.vertex(1), (Floats{84, 46, 0, 0.25f, 0.25f, 1, g, 0, 1}));
    EXPECT_EQ(array.vertex(2), (Floats{116, 46, 0, 0.5f, 0.25f, 1, g, 0, 1}));
    EXPECT_EQ(array.vertex(3), (Floats{116, 54, 0, 0.5f, 0.5f, 1, g, 0, 1}));
    // In the x-z plane the y extent goes to z.
    SprSys::SpriteRender::toVA(sprite, &array, 0, nullptr, &sheet, true);
    Floats const v0 = array.vertex(0);
    Floats const v1 = array.vertex(1);
    EXPECT_EQ(Floats(v0.begin(), v0.begin() + 3), (Floats{84, 50, 4}));
    EXPECT_EQ(Floats(v1.begin(), v1.begin() + 3), (Floats{84, 50, -4}));
}

TEST_F(SpriteRenderTest, BasePointRoundsHalvesToEvenAndOffsetTurns) {
    SprSys::AnimFrame frame;
    frame.offsetX = 10;
    std::vector<const SprSys::AnimFrame*> const list{&frame};
    SprSys::Sprite sprite = spriteOf(list);
    sprite.position = {10.5f, 11.5f, 0.5f, 90};
    SprSys::SpriteRotation const table(16.0f, 8.0f);
    SprSys::SpriteRender::toVA(sprite, &array, 0, &table, &sheet, false);
    // The centre is (10, 12 + 10); the table's 90-degree entry puts corner 0 bottom left.
    Floats const v0 = array.vertex(0);
    EXPECT_NEAR(v0[0], 10 - 4, 1e-4);
    EXPECT_NEAR(v0[1], 22 - 8, 1e-4);
    EXPECT_EQ(v0[2], 0.0f);
}

// With a table the corners come from its entry for the sprite's and the frame's angles
// together, scaled by both scales, whatever the frame's own pixel size.
TEST_F(SpriteRenderTest, TableCornersTurnByBothAnglesInEachPlane) {
    SprSys::AnimFrame frame;
    frame.frameIndex = 5;
    frame.orientation = SprSys::AnimFrame::HV;
    frame.offsetY = 5;
    frame.angle = 30;
    frame.scaleY = 3.0f;
    std::vector<const SprSys::AnimFrame*> const list{&frame};
    SprSys::Sprite sprite = spriteOf(list);
    sprite.position = {100.0f, 50.0f, 7.0f, 60};
    sprite.scaleX = 2.0f;
    SprSys::SpriteRotation const table(6.0f, 4.0f);
    // At 90 degrees the offset (0, 15) turns to (-15, 0), so the centre is (85, 50); corner 0
    // of the 6 x 4 table is (-2, -3) and corner 2 is (2, 3).
    struct Case {
        bool plane;
        Floats corner0, corner2;
    };
    const Case cases[] = {
        {false, {81, 41, 7, 0.5f, 0.25f}, {89, 59, 7, 0.25f, 0.5f}},
        {true, {81, 50, -2, 0.5f, 0.25f}, {89, 50, 16, 0.25f, 0.5f}},
    };
    for (const Case& c : cases) {
        SprSys::SpriteRender::toVA(sprite, &array, 0, &table, &sheet, c.plane);
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_NEAR(array.vertex(0)[i], c.corner0[i], 1e-4) << c.plane << " value " << i;
            EXPECT_NEAR(array.vertex(2)[i], c.corner2[i], 1e-4) << c.plane << " value " << i;
        }
    }
}

TEST_F(SpriteRenderTest, QuadsFollowEachOtherAndSkipWhatDoesNotFit) {
    SprSys::AnimFrame inside;
    SprSys::AnimFrame outside;
    outside.frameIndex = 16; // one past the sheet's last frame
    std::vector<const SprSys::AnimFrame*> const three{&inside, &inside, &inside};
    EXPECT_EQ(SprSys::SpriteRender::toVA(spriteOf(three), &array, 144, nullptr, &sheet, false),
              432);
    std::vector<const SprSys::AnimFrame*> const none;
    EXPECT_EQ(SprSys::SpriteRender::toVA(spriteOf(none), &array, 0, nullptr, &sheet, false), 0);

    FakeVertexArray small(144 * 2);
    std::vector<const SprSys::AnimFrame*> const mixed{&outside, &inside, &outside, &inside,
                                                      &inside};
    EXPECT_EQ(SprSys::SpriteRender::toVA(spriteOf(mixed), &small, 0, nullptr, &sheet, false), 288);
    EXPECT_EQ(SprSys::SpriteRender::toVA(spriteOf(mixed), &small, 200, nullptr, &sheet, false), 0);
}

} // namespace
