#include "GameHelper/Render/RenderHelper.h"
#include "GameHelper/Easing/EaserStore.h"
#include "GameHelper/Render/ViewBoxHelper.h"
#include "Penner/Easers.h"
#include "Support/FakeRenderController.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Gives the next of its boxes on each ask, so the view shows which ask gave which field.
struct RecordingBox : GameHelper::ViewBoxHelper {
    const Game::ViewBox& getViewBox() const override { return boxes[asks++ % 4]; }
    Game::ViewBox boxes[4] = {{1, 2, 30, 40}, {3, 4, 50, 60}, {5, 6, 70, 80}, {7, 8, 90, 100}};
    mutable std::size_t asks = 0;
};

// Every form sends the rectangle as an orthographic pixel view with vsync, then a camera moved
// by the integer halves of the size when centred; the size form's rectangle stands at (0, 0),
// and the box is asked once per field: height, width, y, x. Every form sends near -1, far 1,
// the field of view 0 that keeps the controller's own, and a camera of unit scale; the camera's
// direction and up show in the pixels of SpriteFontGLTest.
TEST(RenderHelper, SendsAnOrthographicPixelViewWithVsyncAndCamera) {
    KessokTest::FakeRenderController controller;
    const GameHelper::RenderHelper helper(&controller);
    const Render::ViewData& v = controller.getViewData();
    const MathStuff::Orientation<float>& cam = controller.getCamera();
    const auto sent = [&v, &cam] {
        return std::make_tuple(v.x, v.y, v.width, v.height, cam.position.x, cam.position.y, v.vsync,
                               v.perspective);
    };
    const auto same = [&v, &cam] {
        return std::make_tuple(v.near, v.far, v.fov, cam.scale.x, cam.scale.y, cam.scale.z);
    };
    const auto always = std::make_tuple(-1.0f, 1.0f, 0.0f, 1.0f, 1.0f, 1.0f);
    helper.set2D(10, 20, 301, -201, true);
    EXPECT_EQ(sent(), std::make_tuple(10, 20, 301, -201, -150.0f, 100.0f, 1, false));
    EXPECT_EQ(same(), always);
    helper.set2D(640, 480, true);
    EXPECT_EQ(sent(), std::make_tuple(0, 0, 640, 480, -320.0f, -240.0f, 1, false));
    EXPECT_EQ(same(), always);
    const RecordingBox box;
    helper.set2D(&box);
    EXPECT_EQ(sent(), std::make_tuple(7, 6, 50, 40, 0.0f, 0.0f, 1, false));
    EXPECT_EQ(same(), always);
}

TEST(EaserStoreTest, NamesAreTheEasersOwnExactlyAndOutInHasNone) {
    using GameHelper::EaserStore;
    EXPECT_EQ(EaserStore::get("inQuad"), &Penner::inQuad);
    EXPECT_EQ(EaserStore::get("outBack"), &Penner::outBack);
    EXPECT_EQ(EaserStore::get("inOutSine"), &Penner::inOutSine);
    for (const char* const name : {"outInBack", "InBack", "inBack ", "inback"}) {
        EXPECT_EQ(EaserStore::get(name), nullptr) << name;
    }
}

} // namespace
