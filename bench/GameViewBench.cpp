// One frame of the game view. The CPU side on a 256 x 256 grid with every cell lit: the cell
// quads filled and the score and three information texts laid out with the game's own font,
// drawn through a fake controller. Then the title frame at 800 x 600 as Mesa's software
// renderer draws it, with the real controller, material system and font.

#include "Support/FakeRenderController.h"
#include "Support/GLWindow.h"
#include "Support/SpriteFakes.h"

#include "CFG/GlobalConfig.h"
#include "Devices/Devices.h"
#include "Devices/Keyboard.h"
#include "Game/GameManager.h"
#include "MatSys/TextureStore.h"
#include "Render/OGL/Controller.h"
#include "SprFont/SpriteFont.h"
#include "SprFont/SpriteFontRenderer.h"
#include "game/CellQuads.h"
#include "game/MainLogic.h"
#include "game/MainView.h"

#include <GL/glew.h>
#include <benchmark/benchmark.h>

#include <memory>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* s_data = KESSOK_SOURCE_DIR "/game/data";

class FontImageMaker : public KessokTest::FakeTextureMaker {
public:
    MatSys::I_Texture* create(const std::string&) override {
        return new KessokTest::FakeTexture(256, 256);
    }
};

void BM_ViewFrameCPU(benchmark::State& state) {
    if (chdir(s_data) != 0) {
        state.SkipWithError("no game data");
        return;
    }
    FontImageMaker maker;
    MatSys::TextureStore store(&maker);
    SprFont::SpriteFont font(&store, "font.cfg", 0.0f);
    KessokTest::FakeVertexArray array(SprFont::SpriteFontRenderer::sizeOfVA(64));
    SprFont::SpriteFontRenderer renderer(&font, &array, 0);
    KessokTest::FakeRenderController controller;
    const std::vector<unsigned char> grid(256 * 256, 64);
    Tool::CellQuads cells(256, 256);
    auto* const mover = SprFont::SpriteFontRenderer::getDefaultMover();
    const char* const texts[] = {"00042", "KESSOK", "PRESS SPACE TO PLAY",
                                 "LEFT/RIGHT: MOVE   UP: FIRE   ESC: QUIT"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(cells.fill(grid.data(), 800.0f, 600.0f));
        for (const char* text : texts) {
            renderer.display(&controller, text, {400, 300, 0, 0}, nullptr, 1.0f, mover);
        }
        controller.draws.clear();
    }
    state.SetLabel("65,536 cells lit, 4 texts");
}
BENCHMARK(BM_ViewFrameCPU)->Unit(benchmark::kMicrosecond);

void BM_TitleFrameGL(benchmark::State& state) {
    if (chdir(s_data) != 0) {
        state.SkipWithError("no game data");
        return;
    }
    std::unique_ptr<TestSupport::GLWindow> window;
    try {
        window = std::make_unique<TestSupport::GLWindow>(800, 600);
    } catch (const std::exception&) {
        state.SkipWithError("no display");
        return;
    }
    CFG::setConfig("kessok.cfg");
    Devices::Keyboard keyboard;
    Devices::setKeyboard(&keyboard);
    Render::ViewData view;
    view.width = 800;
    view.height = 600;
    OGL::Controller controller(view);
    Game::GameManager manager(800, 600, 60, 0);
    manager.setRenderController(&controller);
    controller.init();
    Tool::MainLogic play(&manager);
    play.onEnter("", "");
    play.onUpdate(16.0f);
    Tool::MainView title(&manager, &play);
    title.setScreenSize(800, 600);
    for (auto _ : state) {
        title.onRender();
        glFinish();
    }
    Devices::setKeyboard(nullptr);
    state.SetLabel("800 x 600, llvmpipe");
}
BENCHMARK(BM_TitleFrameGL)->Unit(benchmark::kMicrosecond);

} // namespace
