#include "SprSys/SpriteSheet.h"
#include "CFG/GlobalConfig.h"
#include "CFG/Info.h"
#include "MatSys/TextureStore.h"
#include "Support/ScratchDir.h"
#include "Support/SpriteFakes.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <stdexcept>
#include <tuple>

namespace {

using KessokTest::FakeTexture;
using SprSys::AnimFrame;
using Box = std::tuple<float, float, float, float>;

Box boxOf(const SprSys::SpriteSheet& sheet, unsigned int i,
          AnimFrame::Orientation o = AnimFrame::N) {
    const SprSys::SpriteBox& b = sheet.getSpriteBox(i, o);
    return {b.u0, b.v0, b.u1, b.v1};
}

TEST(SpriteSheet, GridCutsWholeFramesWithRoomForSpacingAndMirrorsBoxes) {
    const struct {
        int width, frameWidth, spacing;
        bool adjust;
        unsigned int frames;
        Box frame5;
    } cases[] = {
        {64, 16, 0, true, 16, {0.2578125f, 0.2421875f, 0.4921875f, 0.4609375f}},
        {64, 15, 1, true, 16, {0.2421875f, 0.2421875f, 0.4921875f, 0.4921875f}},
        {63, 15, 1, false, 12, {32.0f / 63, 16.0f / 64, 47.0f / 63, 31.0f / 64}},
        {64, 15, -14, false, 4096, {5.0f / 64, 0, 20.0f / 64, 15.0f / 64}}, // steps of one pixel
        {64, 0, 0, false, 0, {}},       // a zero step cuts nothing
        {64, 16, -15, false, 0, {}},    // nor does a spacing that cancels the frame's height
        {64, INT_MAX, 1, false, 0, {}}, // nor a step beyond the int range
    };
    for (const auto& c : cases) {
        FakeTexture texture(c.width, 64);
        const SprSys::SpriteSheet sheet(&texture, c.frameWidth, 15, c.spacing, c.adjust);
        ASSERT_EQ(sheet.getNumFrames(), c.frames) << c.width << "x" << c.frameWidth;
        if (c.frames > 5) {
            const auto [u0, v0, u1, v1] = c.frame5;
            EXPECT_EQ(boxOf(sheet, 5), c.frame5);
            EXPECT_EQ(boxOf(sheet, 5, AnimFrame::H), Box(u0, v1, u1, v0));
            EXPECT_EQ(boxOf(sheet, 5, AnimFrame::V), Box(u1, v0, u0, v1));
            EXPECT_EQ(boxOf(sheet, 5, AnimFrame::HV), Box(u1, v1, u0, v0));
        }
    }
    const SprSys::SpriteSheet empty(nullptr, 16, 16, 0, false);
    EXPECT_EQ(empty.getNumFrames(), 0u);
    empty.beginUsing(0);
    empty.endUsing(0);
}

// Beside the shared maker's images, one of the size its name gives, such as "2x2.tga".
struct SizedTextureMaker : KessokTest::FakeTextureMaker {
    using KessokTest::FakeTextureMaker::create;
    MatSys::I_Texture* create(const std::string& name) override {
        int width = 0;
        int height = 0;
        if (std::sscanf(name.c_str(), "%dx%d.tga", &width, &height) == 2) {
            return new FakeTexture(width, height);
        }
        return FakeTextureMaker::create(name);
    }
};

class SpriteSheetFileTest : public ::testing::Test {
protected:
    SprSys::SpriteSheet load(const std::string& text) {
        return SprSys::SpriteSheet(&store, scratch.write("sheet.cfg", text));
    }

    SizedTextureMaker maker;
    MatSys::TextureStore store{&maker};
    ScratchDir scratch;
};

TEST_F(SpriteSheetFileTest, ExplicitFramesInPixelsSkippingEntriesWithoutFourNumbers) {
    // The second frame lies on the image's edge, the last one is mirrored.
    const auto sheet = load("IMAGE_NAME == a.tga\nNUM_FRAMES == 4\nFRAME_0 == 1,2,3\n"
                            "FRAME_1 == 0x20 , 16, , 16 ,8\nFRAME_2 == 64,32,64,32\n"
                            "FRAME_3 == 16,0,-16,8\n");
    ASSERT_EQ(sheet.getNumFrames(), 3u);
    EXPECT_EQ(boxOf(sheet, 0), Box(0.25f, 0.25f, 0.375f, 0.375f));
    EXPECT_EQ(std::make_pair(sheet.getFrameWidth(0), sheet.getFrameHeight(0)), std::pair(16, 8));
    EXPECT_EQ(boxOf(sheet, 1), Box(0.5f, 0.5f, 1.0f, 1.0f));
    EXPECT_EQ(boxOf(sheet, 2), Box(0.125f, 0.0f, 0.0f, 0.125f));
    // Every entry of four numbers is a frame, wherever its rectangle lies, and frames may
    // overlap; the last frame's box is checked. There are no frames for a negative count or
    // from a missing image or one without width or height. Entries are read only up to the
    // highest "FRAME_" key of the file or the overrides that the count reaches, so a count in
    // the billions is cheap, and a key spelled with a leading zero is never read.
    const struct {
        unsigned int frames;
        Box last;
        const char* overrides; // read into the overrides configuration for the row
        const char* text;
    } cases[] = {
        {0, {}, "", "IMAGE_NAME == a.tga\nNUM_FRAMES == -2\nFRAME_0 == 0,0,8,8\n"},
        {0, {}, "", "IMAGE_NAME == missing.tga\nNUM_FRAMES == 1\nFRAME_0 == 0,0,8,8\n"},
        {0, {}, "", "IMAGE_NAME == empty.tga\nNUM_FRAMES == 1\nFRAME_0 == 0,0,0,0\n"},
        {0, {}, "", "IMAGE_NAME == 128x0.tga\nNUM_FRAMES == 1\nFRAME_0 == 0,0,8,0\n"},
        {0, {}, "", "IMAGE_NAME == 0x64.tga\nNUM_FRAMES == 1\nFRAME_0 == 0,0,0,8\n"},
        {1,
         {0.0f, 0.0f, 1.0f, 1.0f},
         "",
         "IMAGE_NAME == 1x1.tga\nNUM_FRAMES == 1\nFRAME_0 == 0,0,1,1\n"},
        {1,
         {0.0f, 0.0f, 0.0625f, 0.125f},
         "",
         "IMAGE_NAME == a.tga\nNUM_FRAMES == 8193\nFRAME_8192 == 0,0,8,8\n"},
        {3,
         {16777216.0f, 0.0f, 33554432.0f, 0.015625f},
         "",
         "IMAGE_NAME == a.tga\nNUM_FRAMES == 3\nFRAME_0 == 120,0,9,8\nFRAME_1 == 0,-1,8,8\n"
         "FRAME_2 == 2147483647, 0, 2147483647, 1\n"},
        {3,
         {0.125f, 0.125f, 0.1875f, 0.25f},
         "",
         "IMAGE_NAME == a.tga\nNUM_FRAMES == 3\nFRAME_0 == 0,0,8,8\nFRAME_1 == 120,0,16,8\n"
         "FRAME_2 == 16,8,8,8\nFRAME_3 == 0,0,8,8\n"},
        {6,
         {0.5f, 0.0f, 1.0f, 1.0f},
         "",
         "IMAGE_NAME == 2x2.tga\nNUM_FRAMES == 6\nFRAME_0 == 0,0,1,1\nFRAME_1 == 1,0,1,1\n"
         "FRAME_2 == 0,1,1,1\nFRAME_3 == 1,1,1,1\nFRAME_4 == 0,0,2,2\nFRAME_5 == 1,0,1,2\n"},
        {3,
         {0.125f, 0.0f, 0.1875f, 0.125f},
         "",
         "IMAGE_NAME == a.tga\nNUM_FRAMES == 2000000000\nFRAME_0 == 0,0,8,8\n"
         "FRAME_1 == 8,0,8,8\nFRAME_2 == 16,0,8,8\nFRAME_01999999999 == 0,0,8,8\n"},
        {2,
         {0.0625f, 0.125f, 0.125f, 0.25f},
         "FRAME_4 == 8,8,8,8\n",
         "IMAGE_NAME == a.tga\nNUM_FRAMES == 6\nFRAME_0 == 0,0,8,8\n"},
    };
    for (const auto& c : cases) {
        CFG::getDefaultOverrides()->addConfig(scratch.write("overrides.cfg", c.overrides));
        const auto loaded = load(c.text);
        CFG::getDefaultOverrides()->reset();
        EXPECT_EQ(loaded.getNumFrames(), c.frames) << c.text << c.overrides;
        if (c.frames > 0 && loaded.getNumFrames() == c.frames) {
            EXPECT_EQ(boxOf(loaded, c.frames - 1), c.last) << c.text << c.overrides;
        }
    }
    // Every number is read, so a malformed one ends even a skipped entry.
    EXPECT_THROW(load("IMAGE_NAME == a.tga\nNUM_FRAMES == 1\nFRAME_0 == 1,x\n"), std::domain_error);
}

TEST_F(SpriteSheetFileTest, GridFromFileAndItsAdjustFlag) {
    const std::string grid = "IMAGE_NAME == a.tga\nFRAME_WIDTH == 32\nFRAME_HEIGHT == 32\n";
    // 128 x 64 with 32 x 32 frames and spacing 1 leaves no room after the last column and row.
    EXPECT_EQ(load(grid + "GRID_SPACING == 1\n").getNumFrames(), 3u);
    EXPECT_EQ(std::get<0>(boxOf(load(grid + "DO_TEXCOORD_ADJUST == yes\n"), 1)), 0.25f);
    EXPECT_EQ(std::get<0>(boxOf(load(grid + "DO_TEXCOORD_ADJUST == Y\n"), 1)), 0.25f + 0.5f / 128);
}

} // namespace
