#include "SprSys/SpriteRender.h"
#include "SprSys/Sprite.h"
#include "SprSys/SpriteRotation.h"
#include "SprSys/SpriteSheet.h"
#include "Support/SpriteFakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

using KessokTest::FakeVertexArray;
using Floats = std::vector<float>;
using Frames = std::vector<const SprSys::AnimFrame*>;

TEST(SpriteRotation, CornersTurnCounterClockwiseByWholeDegreesWrappingIntoTheTable) {
    const SprSys::SpriteRotation table(8.0f, 16.0f);
    // The recipe is fixed: float radians, double sine and cosine, double corners. The turn's
    // direction and the other corners show in the quads of SpriteRenderTest.
    const auto radians = static_cast<double>(static_cast<float>(30 * 0.017453292519943295));
    const auto s = static_cast<double>(static_cast<float>(std::sin(radians)));
    const auto c = static_cast<double>(static_cast<float>(std::cos(radians)));
    EXPECT_EQ(table.getRotationBox(30).x0, static_cast<float>(-4.0 * c - 8.0 * s));
    EXPECT_EQ(table.getRotationBox(30).y0, static_cast<float>(-4.0 * s + 8.0 * c));
    for (const auto& [angle, entry] : {std::pair(719, 359), {725, 5}, {-360, 0}, {-1, 359}}) {
        EXPECT_EQ(&table.getRotationBox(angle), &table.getRotationBox(entry)) << angle;
    }
}

// A 64 x 32 texture cut into 16 x 8 frames: 4 columns, 4 rows. Sprites stand at (100, 50).
class SpriteRenderTest : public ::testing::Test {
protected:
    SprSys::Sprite spriteOf(const Frames& list) {
        SprSys::Sprite sprite;
        sprite.position = {100.0f, 50.0f};
        sprite.color = {255, 128, 51, 255};
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
    frame.scaleY = 0.5f;
    const Frames list{&frame};
    SprSys::Sprite sprite = spriteOf(list);
    sprite.position.angle = 33; // without a table the quad is not turned
    EXPECT_EQ(SprSys::SpriteRender::toVA(sprite, &array, 0, nullptr, &sheet, false), 144);
    const float g = 128 / 255.0f;
    EXPECT_EQ(array.vertex(0), (Floats{84, 52, 0, 0.25f, 0.5f, 1, g, 0.2f, 1}));
    EXPECT_EQ(array.vertex(1), (Floats{84, 48, 0, 0.25f, 0.25f, 1, g, 0.2f, 1}));
    EXPECT_EQ(array.vertex(2), (Floats{116, 48, 0, 0.5f, 0.25f, 1, g, 0.2f, 1}));
    EXPECT_EQ(array.vertex(3), (Floats{116, 52, 0, 0.5f, 0.5f, 1, g, 0.2f, 1}));
    // In the x-z plane the y extent goes to z.
    SprSys::SpriteRender::toVA(sprite, &array, 0, nullptr, &sheet, true);
    EXPECT_EQ(Floats(array.vertex(1)).at(2), -2.0f);
    EXPECT_EQ(array.vertex(0)[1], 50.0f);
}

// With a table the corners come from its entry for the sprite's and the frame's angles
// together, scaled by both scales, whatever the frame's own pixel size; the base point
// rounds halves to even, to (100, 50, 6).
TEST_F(SpriteRenderTest, TableCornersTurnByBothAnglesInEachPlane) {
    SprSys::AnimFrame frame;
    frame.frameIndex = 5;
    frame.orientation = SprSys::AnimFrame::HV;
    frame.offsetX = 2;
    frame.offsetY = 5;
    frame.scaleY = 3.0f;
    const Frames list{&frame};
    SprSys::Sprite sprite = spriteOf(list);
    sprite.scaleX = 2.0f;
    const SprSys::SpriteRotation table(6.0f, 4.0f);
    // The offset (4, 15) turns to (-15, 4) at 90 degrees and to (-4, -15) at 180. Corners 0
    // and 2 of the 6 x 4 table are (-2, -3) and (2, 3) at 90, (3, -2) and (-3, 2) at 180.
    const std::tuple<bool, SprSys::Spatial2D, short, Floats> cases[] = {
        {false, {100.5f, 49.5f, 6.5f}, 90, {81, 45, 6, 0.5f, 0.25f, 89, 63, 6, 0.25f, 0.5f}},
        {true, {100.5f, 49.5f, 6.5f, 150}, 30, {102, 35, 0, 0.5f, 0.25f, 90, 35, 12, 0.25f, 0.5f}},
    };
    for (const auto& [plane, position, frameAngle, want] : cases) {
        sprite.position = position;
        frame.angle = frameAngle;
        SprSys::SpriteRender::toVA(sprite, &array, 0, &table, &sheet, plane);
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_NEAR(array.vertex(0)[i], want[i], 1e-4) << plane << " value " << i;
            EXPECT_NEAR(array.vertex(2)[i], want[i + 5], 1e-4) << plane << " value " << i;
            // Corners 1 and 3 lie as far on either side of the centre.
            EXPECT_NEAR(array.vertex(1)[i] + array.vertex(3)[i], want[i] + want[i + 5], 1e-4)
                << plane << " value " << i;
        }
    }
}

// The array holds four quads; frame 16 is one past the sheet's last.
TEST_F(SpriteRenderTest, QuadsFollowEachOtherAndSkipWhatDoesNotFit) {
    SprSys::AnimFrame inside;
    SprSys::AnimFrame outside;
    outside.frameIndex = 16;
    const Frames three{&inside, &inside, &inside};
    const Frames mixed{&outside, &inside, &outside, &inside, &inside};
    const auto toVA = [this](const Frames& list, int offset) {
        return SprSys::SpriteRender::toVA(spriteOf(list), &array, offset, nullptr, &sheet, false);
    };
    EXPECT_EQ(toVA(three, 144), 432);
    EXPECT_EQ(array.vertex(12)[0], 92.0f); // corner 0 of the third quad, from byte 432
    EXPECT_EQ(toVA(mixed, 0), 432);
    EXPECT_EQ(toVA(mixed, 200), 288);
}

} // namespace
