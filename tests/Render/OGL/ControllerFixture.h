#pragma once

#include "Render/OGL/Controller.h"
#include "Support/GLTest.h"

#include <array>

// A controller over a fresh 64 x 64 window.
class ControllerTest : public TestSupport::GLTest {
protected:
    using Pixel = std::array<unsigned char, 4>;

    // An orthographic record over a viewport at the origin, depth from -1 to 1, no vsync.
    static Render::ViewData orthoRecord(int width, int height, float scale);
    // The window as a 2D view: one unit per pixel, origin bottom left, no depth test.
    void setWindowView();
    // A filled rectangle at depth z in the current colour, drawn without vertex arrays.
    static void drawRect(float x0, float y0, float x1, float y1, float z = 0.0f);
    static Pixel pixel(int x, int y) { return TestSupport::GLWindow::pixel(x, y); }

    static constexpr Pixel s_black{0, 0, 0, 255};
    static constexpr Pixel s_white{255, 255, 255, 255};
    static constexpr Pixel s_red{255, 0, 0, 255};
    static constexpr Pixel s_green{0, 255, 0, 255};

    OGL::Controller m_controller{Render::ViewData{}};
};
