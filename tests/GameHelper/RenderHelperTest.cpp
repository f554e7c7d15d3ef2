#include "GameHelper/Render/RenderHelper.h"
#include "GameHelper/Easing/EaserStore.h"
#include "GameHelper/Render/ViewBoxHelper.h"
#include "Penner/Easers.h"
#include "Support/FakeRenderController.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

namespace {

using KessokTest::FakeRenderController;

TEST(RenderHelper, SendsAnOrthographicPixelViewWithVsyncAndCamera) {
    const struct {
        int x, y, width, height;
        bool centred;
        float cameraX, cameraY;
    } cases[] = {{0, 0, 800, 600, false, 0, 0}, {10, 20, 301, -201, true, -150, 100}};
    for (const auto& c : cases) {
        FakeRenderController controller;
        GameHelper::RenderHelper(&controller).set2D(c.x, c.y, c.width, c.height, c.centred);
        const Render::ViewData& v = controller.getViewData();
        EXPECT_EQ(
            std::make_tuple(v.near, v.far, v.fov, v.x, v.y, v.width, v.height, v.scaleX, v.scaleY,
                            v.vsync, v.perspective),
            std::make_tuple(-1.0f, 1.0f, 0.0f, c.x, c.y, c.width, c.height, 1.0f, 1.0f, 1, false));
        const MathStuff::Orientation<float>& cam = controller.getCamera();
        EXPECT_EQ(std::make_tuple(cam.position.x, cam.position.y, cam.position.z, cam.direction.z,
                                  cam.up.y, cam.scale.x, cam.scale.y, cam.scale.z),
                  std::make_tuple(c.cameraX, c.cameraY, 0.0f, -1.0f, 1.0f, 1.0f, 1.0f, 1.0f));
    }
}

// Gives another box on each ask, so the rectangle shows which ask gave which field.
class RecordingBox : public GameHelper::ViewBoxHelper {
public:
    const Game::ViewBox& getViewBox() const override {
        return boxes[static_cast<std::size_t>(asks++ % 4)];
    }
    Game::ViewBox boxes[4] = {{1, 2, 30, 40}, {3, 4, 50, 60}, {5, 6, 70, 80}, {7, 8, 90, 100}};
    mutable int asks = 0;
};

// A set-up that overrides the rectangle form sees every other form go through it.
class RectangleRecorder : public GameHelper::RenderHelper {
public:
    using RenderHelper::RenderHelper;
    using RenderHelper::set2D;
    void set2D(int x, int y, int width, int height, bool centred) const override {
        calls += std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(width) + "," +
                 std::to_string(height) + (centred ? ",c;" : ";");
    }
    mutable std::string calls;
};

TEST(RenderHelper, SizeAndBoxFormsGoThroughTheRectangleForm) {
    FakeRenderController controller;
    RectangleRecorder helper(&controller);
    RecordingBox box;
    helper.set2D(640, 480, true);
    helper.set2D(&box);
    // Height from the first ask, then width, y and x.
    EXPECT_EQ(helper.calls, "0,0,640,480,c;7,6,50,40;");
}

TEST(EaserStoreTest, NamesAreTheEasersOwnExactlyAndOutInHasNone) {
    using GameHelper::EaserStore;
    EXPECT_EQ(EaserStore::get("outBack"), &Penner::outBack);
    EXPECT_EQ(EaserStore::get("inOutSine"), &Penner::inOutSine);
    std::set<const Tween::Easer*> found;
    for (const char* const family : {"Back", "Bounce", "Circ", "Cubic", "Elastic", "Expo", "Linear",
                                     "Quad", "Quart", "Quint", "Sine"}) {
        for (const char* const curve : {"in", "out", "inOut"}) {
            found.insert(EaserStore::get(curve + std::string(family)));
        }
    }
    EXPECT_EQ(found.size(), 33u);
    EXPECT_EQ(found.count(nullptr), 0u);
    for (const char* const name : {"outInBack", "InBack", "inBack ", "inback"}) {
        EXPECT_EQ(EaserStore::get(name), nullptr) << name;
    }
}

} // namespace
