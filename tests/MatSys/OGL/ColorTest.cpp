#include "MatSys/I_Color.h"
#include "MatSys/OGL/ColorMaker.h"
#include "Support/GLTest.h"

#include <GL/glew.h>

#include <array>
#include <memory>

namespace {

using ColorTest = TestSupport::GLTest;
using Floats = std::array<GLfloat, 4>;

Floats currentColor() {
    Floats rgba{};
    glGetFloatv(GL_CURRENT_COLOR, rgba.data());
    return rgba;
}

TEST_F(ColorTest, UseSendsTheCurrentValueAndDrawingTakesIt) {
    MatSys::OGL::ColorMaker maker;
    const std::unique_ptr<MatSys::I_Color> color(maker.create());
    glColor4f(1, 1, 1, 1);
    color->use();
    EXPECT_EQ(currentColor(), (Floats{0, 0, 0, 0}));
    color->RGBA() = {255, 51, 0, 255};
    color->use();
    glRectf(-1, -1, 1, 1);
    EXPECT_EQ(TestSupport::GLWindow::pixel(5, 5), (std::array<unsigned char, 4>{255, 51, 0, 255}));
    const std::unique_ptr<MatSys::I_Color> given(maker.create({0, 0, 255, 51}));
    given->use();
    EXPECT_EQ(currentColor(), (Floats{0, 0, 1, 0.2f}));
}

} // namespace
