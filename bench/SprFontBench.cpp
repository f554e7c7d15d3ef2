// Text layout with the sprite font: a 1,000-character text of the 95 printable characters laid
// out into a client vertex array (time per glyph, heap allocations per text), and building a
// font of 256 frame keys and 256 mappings.

#include "Support/HeapCounter.h"
#include "Support/ScratchDir.h"
#include "Support/SpriteFakes.h"

#include "MatSys/TextureStore.h"
#include "SprFont/SpriteFont.h"
#include "SprFont/SpriteFontRenderer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

// A font over a 256 x 256 image of 16 x 16 cells, one frame key and one mapping per code.
std::string fontFile(const ScratchDir& scratch) {
    std::string text = "GLYPH_WIDTH == 16\nGLYPH_HEIGHT == 16\nGLYPHS_IMAGE == font.tga\n"
                       "GLYPH_COL_GAP == 1\n";
    std::string mappings = "GLYPH_MAPPINGS == ";
    for (int code = 0; code < 256; ++code) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", code);
        text += "GLF_" + std::string(hex) + " == " + std::to_string(code) + "\n";
        mappings += std::string(hex) + "=>GLF_" + hex + ":12, ";
    }
    return scratch.write("font.cfg", text + mappings + "\n");
}

class SquareMaker : public KessokTest::FakeTextureMaker {
public:
    MatSys::I_Texture* create(const std::string&) override {
        return new KessokTest::FakeTexture(256, 256);
    }
};

void BM_AddText(benchmark::State& state) {
    const ScratchDir scratch;
    SquareMaker maker;
    MatSys::TextureStore store(&maker);
    SprFont::SpriteFont font(&store, fontFile(scratch), 1.0f);
    std::string text;
    for (int i = 0; text.size() < 1000; ++i) {
        text += static_cast<char>(' ' + i % 95);
    }
    // Client memory written with memcpy, as a client vertex array is; binding needs no GL here.
    KessokTest::FakeVertexArray array(SprFont::SpriteFontRenderer::sizeOfVA(1000));
    SprFont::SpriteFontRenderer renderer(&font, &array, 0);
    auto* const mover = SprFont::SpriteFontRenderer::getDefaultMover();
    const std::size_t before = HeapCounter::s_allocations;
    for (auto _ : state) {
        renderer.beginUsing(false);
        benchmark::DoNotOptimize(renderer.addText(text, {10, 500, 0, 0}, nullptr, 1.0f, mover));
    }
    state.counters["ns_per_glyph"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 1000.0,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocations_per_text"] =
        static_cast<double>(HeapCounter::s_allocations - before) /
        static_cast<double>(state.iterations());
}
BENCHMARK(BM_AddText);

void BM_FontConstruction(benchmark::State& state) {
    const ScratchDir scratch;
    const std::string path = fontFile(scratch);
    SquareMaker maker;
    MatSys::TextureStore store(&maker);
    for (auto _ : state) {
        SprFont::SpriteFont font(&store, path, 1.0f);
        benchmark::DoNotOptimize(font.getWidth('A'));
    }
    state.SetLabel("256 frame keys, 256 mappings");
}
BENCHMARK(BM_FontConstruction)->Unit(benchmark::kMillisecond);

} // namespace
