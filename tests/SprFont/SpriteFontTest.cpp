#include "../SprSys/SpriteFakes.h"

#include "MatSys/TextureStore.h"
#include "SprFont/SpriteFont.h"
#include "SprFont/SpriteFontRenderer.h"
#include "SprSys/Sprite.h"
#include "SprSys/SpriteSheet.h"
#include "Support/AbortReport.h"
#include "Support/FakeRenderController.h"
#include "Support/HeapCounter.h"
#include "Support/ScratchDir.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using KessokTest::FakeVertexArray;
using SprFont::SpriteFontRenderer;

// A 128 x 64 glyph image cut into 16 x 16 cells; GLF_A is cell 1, GLF_B cell 2.
class SpriteFontTest : public ::testing::Test {
protected:
    std::unique_ptr<SprFont::SpriteFont> load(const std::string& mappings, float scale = 1.0f,
                                              const std::string& extra = "") {
        const std::string path = scratch.write(
            "font.cfg", "GLYPH_WIDTH == 16\nGLYPH_HEIGHT == 16\nGLYPHS_IMAGE == font.tga\n"
                        "GLYPH_COL_GAP == 1.5\nGLYPH_ROW_GAP == -2\nGLF_A == 1\nGLF_B == 2, 3\n" +
                            extra + "GLYPH_MAPPINGS == " + mappings + "\n");
        return std::make_unique<SprFont::SpriteFont>(&store, path, scale);
    }

    KessokTest::FakeTextureMaker maker;
    MatSys::TextureStore store{&maker};
    ScratchDir scratch;
};

TEST_F(SpriteFontTest, MetricsScaleAndGaps) {
    EXPECT_EQ(load("", 2.5f, "FONT_SCALE == 7\n")->getScale(), 2.5f);
    EXPECT_EQ(load("", 0.0f)->getScale(), 1.0f);
    EXPECT_EQ(load("", 0.0f, "FONT_SCALE == 0\n")->getScale(), 0.0f);
    const auto font = load("");
    EXPECT_EQ(std::make_pair(font->getColGap(), font->getRowGap()), std::make_pair(1.0f, -2.0f));
    EXPECT_EQ(font->getSprSheet()->getNumFrames(), 32u);
    // The border spaces the cells: 7 columns and 3 rows of 17 pixels fit.
    EXPECT_EQ(load("", 1.0f, "GLYPH_BORDER == 1\n")->getSprSheet()->getNumFrames(), 21u);
}

TEST_F(SpriteFontTest, MappingKeysWidthsAndLayers) {
    const auto font = load("A=>GLF_A:6, 42=>GLF_B, 0x43=>GLF_A:, 5=>GLF_A:6:7, 05=>GLF_B:0x10, "
                           "e9=>GLF_A, 100=>GLF_B, 2c=>GLF_A, A=>GLF_B, 20=>GLF_NONE");
    // Width, then the frame index of each layer; an unknown frame is the store's default.
    const std::pair<char, const char*> rows[] = {
        {'A', "6,1,2"},   {'B', "16,2"}, {'C', "0,1"},  {'5', "16,1"}, {'\x05', "0,2"},
        {'\xe9', "16,1"}, {',', "16,1"}, {' ', "16,0"}, {'\0', "16"}, // code 256 is ignored, not
                                                                      // wrapped
    };
    for (const auto& [c, want] : rows) {
        std::string glyph = std::to_string(font->getWidth(c));
        for (const SprSys::AnimFrame* const frame : *font->getAnimFrames(c)) {
            glyph += "," + std::to_string(frame->frameIndex);
        }
        EXPECT_EQ(glyph, want) << int{c};
    }
    EXPECT_EQ(font->getAnimFrames('B')->at(0)->offsetX, 3);
    try {
        load("ZZ=>GLF_A");
        ADD_FAILURE() << "no conversion error";
    } catch (const std::domain_error& error) {
        EXPECT_STREQ(error.what(), "Cant convert String to Num:ZZ");
    }
    EXPECT_ABORT_REPORT(load("A=>GLF_A, B"), "InfoParser::StringPairGettor::operator",
                        "Invalid string pair part: B. Expected <str1>:<str2>, 2 parts not 1");
}

TEST_F(SpriteFontTest, RendererLaysOutLinesWithTheDefaultMover) {
    const auto font = load("A=>GLF_A:8, B=>GLF_B:8, 0a=>GLF_A");
    FakeVertexArray array(SpriteFontRenderer::sizeOfVA(4));
    SpriteFontRenderer renderer(font.get(), &array, 3);
    auto* const mover = SpriteFontRenderer::getDefaultMover();
    // Advance (8 + 1) x 2 per glyph at scale 2; a newline steps down (16 - 2) x 2.
    const SprSys::Spatial2D end = renderer.addText("AB", {100, 50, 0, 0}, nullptr, 2.0f, mover);
    EXPECT_EQ(std::make_pair(end.x, end.y), std::make_pair(136.0f, 50.0f));
    // Each glyph is centred on the pen (B's frame 3 x 2 to the right of it): corner 0 lies
    // 8 x 2 to the left of the centre.
    EXPECT_EQ(array.vertex(0)[0], 84.0f);
    EXPECT_EQ(array.vertex(4)[0], 108.0f);
    renderer.beginUsing(true);
    const SprSys::Spatial2D next = renderer.addText("A\nq", {100, 50, 0, 0}, nullptr, 1.0f, mover);
    EXPECT_EQ(std::make_pair(next.x, next.y), std::make_pair(117.0f, 36.0f));
    renderer.endUsing();
    EXPECT_EQ(renderer.numGlyphs(), 4u); // A, B, A and the newline's own frame
    // A fifth quad does not fit: it is skipped, the pen still moves, and only four are drawn.
    KessokTest::FakeRenderController controller;
    const Util::RGBA red{255, 0, 0, 255};
    EXPECT_EQ(renderer.display(&controller, "AAAAA", {0, 0, 0, 0}, &red, 1.0f, mover).x, 45.0f);
    ASSERT_EQ(controller.draws.size(), 1u);
    EXPECT_EQ(std::make_pair(controller.draws[0].type, controller.draws[0].count),
              std::make_pair(Render::RT_QUADS, 16u));
    EXPECT_EQ(array.vertex(15)[6], 0.0f);
    EXPECT_EQ(array.bound, 0);
    // The font's scale and the text's multiply, on both axes: glyph scale 0.5 x 4.
    font->setScale(0.5f);
    renderer.beginUsing(false);
    const SprSys::Spatial2D scaled =
        renderer.addText("A\nq", {100, 50, 0, 0}, nullptr, 4.0f, mover);
    renderer.endUsing();
    EXPECT_EQ(std::make_pair(scaled.x, scaled.y), std::make_pair(134.0f, 22.0f));
    EXPECT_EQ(renderer.numGlyphs(), 2u);
}

TEST_F(SpriteFontTest, LayoutAllocatesNothing) {
    const auto font = load("A=>GLF_A, B=>GLF_B");
    FakeVertexArray array(SpriteFontRenderer::sizeOfVA(64));
    SpriteFontRenderer renderer(font.get(), &array, 0);
    const std::string text(60, 'A');
    const std::size_t before = HeapCounter::s_allocations;
    renderer.beginUsing(false);
    renderer.addText(text, {}, nullptr, 1.0f, SpriteFontRenderer::getDefaultMover());
    renderer.addText("B\nAB", {}, nullptr, 2.0f, SpriteFontRenderer::getDefaultMover());
    renderer.endUsing();
    EXPECT_EQ(HeapCounter::s_allocations, before);
    EXPECT_EQ(renderer.numGlyphs(), 63u);
}

} // namespace
