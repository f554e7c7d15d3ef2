#include "SprFont/SpriteFont.h"
#include "MatSys/TextureStore.h"
#include "SprFont/SpriteFontRenderer.h"
#include "SprSys/SpriteSheet.h"
#include "Support/FakeRenderController.h"
#include "Support/HeapCounter.h"
#include "Support/ScratchDir.h"
#include "Support/SpriteFakes.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

namespace {

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

// A scale of 0 takes the file's, 1 when the file has none. The border spaces the cells: 7
// columns and 3 rows of 17 pixels fit.
TEST_F(SpriteFontTest, ScaleIsTheCallersOrTheFilesAndTheBorderSpacesTheCells) {
    EXPECT_EQ(load("", 2.5f, "FONT_SCALE == 7\n")->getScale(), 2.5f);
    EXPECT_EQ(load("", 0.0f)->getScale(), 1.0f);
    EXPECT_EQ(load("", 0.0f, "FONT_SCALE == 0\n")->getScale(), 0.0f);
    EXPECT_EQ(load("", 1.0f, "GLYPH_BORDER == 1\n")->getSprSheet()->getNumFrames(), 21u);
}

TEST_F(SpriteFontTest, MappingKeysWidthsAndLayers) {
    const auto font =
        load("A=>GLF_A:6, 42=>GLF_B, 0x43=>GLF_A:, 5=>GLF_A:6:7, 05=>GLF_B:0x10, "
             "e9=>GLF_A, 100=>GLF_B, 2c=>GLF_A : 9, A=>GLF_B, 20=>GLF_NONE, 00=>GLF_B");
    // Width, then the frame index of each layer; an unknown frame is the store's default. Code
    // 256 is ignored, not wrapped to 0.
    const std::pair<char, const char*> rows[] = {
        {'A', "6,1,2"},   {'B', "16,2"}, {'C', "0,1"},  {'5', "16,1"},  {'\x05', "0,2"},
        {'\xe9', "16,1"}, {',', "9,1"},  {' ', "16,0"}, {'\0', "16,2"},
    };
    for (const auto& [c, want] : rows) {
        std::string glyph = std::to_string(font->getWidth(c));
        for (const SprSys::AnimFrame* const frame : *font->getAnimFrames(c)) {
            glyph += "," + std::to_string(frame->frameIndex);
        }
        EXPECT_EQ(glyph, want) << int{c};
    }
    EXPECT_THROW(load("ZZ=>GLF_A"), std::domain_error);
}

TEST_F(SpriteFontTest, RendererLaysOutLinesWithTheDefaultMoverAndAllocatesNothing) {
    const auto font = load("A=>GLF_A:8, B=>GLF_B:8, 0a=>GLF_A", 0.5f);
    const auto& texture = *static_cast<KessokTest::FakeTexture*>(store.add("font.tga"));
    KessokTest::FakeVertexArray array(SpriteFontRenderer::sizeOfVA(4));
    SpriteFontRenderer renderer(font.get(), &array, 3);
    auto* const mover = SpriteFontRenderer::getDefaultMover();
    // The font's scale and the text's multiply, on both axes, to 2: the pen advances (8 + 1) x 2
    // a glyph, and a newline steps down (16 - 2) x 2 to the start's x; q has no frame, only the
    // cell's width.
    const std::size_t before = HeapCounter::s_allocations;
    const SprSys::Spatial2D end = renderer.addText("AB\nq", {100, 50, 0, 0}, nullptr, 4.0f, mover);
    EXPECT_EQ(HeapCounter::s_allocations, before);
    EXPECT_EQ(std::make_pair(end.x, end.y), std::make_pair(134.0f, 22.0f));
    // Each glyph is centred on the pen (B's frame 3 x 2 to the right of it), in the font's
    // colour: corner 0 lies 8 x 2 to the left of and above the centre, on its cell's corner.
    EXPECT_EQ(array.vertex(0), (std::vector<float>{84, 66, 0, 0.125f, 0.25f, 1, 1, 1, 1}));
    EXPECT_EQ(array.vertex(4)[0], 108.0f);
    renderer.beginUsing(true);
    renderer.addText("A", {}, nullptr, 1.0f, mover);
    renderer.endUsing();
    EXPECT_EQ(renderer.numGlyphs(), 4u); // A, B, the newline's own frame and A
    // A fifth quad does not fit: it is skipped, the pen still moves, and only four are drawn.
    KessokTest::FakeRenderController controller;
    const Util::RGBA red{255, 0, 0, 255};
    EXPECT_EQ(renderer.display(&controller, "AAAAA", {0, 0, 0, 0}, &red, 2.0f, mover).x, 45.0f);
    ASSERT_EQ(controller.draws.size(), 1u);
    const auto& draw = controller.draws[0];
    EXPECT_EQ(std::make_tuple(draw.type, draw.first, draw.count),
              std::make_tuple(Render::RT_QUADS, 0, 16u));
    EXPECT_EQ(array.vertex(15)[6], 0.0f);
    EXPECT_EQ(std::make_pair(array.bound, texture.bound), std::make_pair(0, 0));
    // A count whose bytes an int cannot hold sizes an array for the most glyphs it can.
    EXPECT_EQ(SpriteFontRenderer::sizeOfVA(20000000), 2147483520);
}

} // namespace
