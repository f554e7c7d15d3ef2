#include "MatSys/I_Color.h"
#include "MatSys/OGL/ColorMaker.h"
#include "Support/GLTest.h"

#include <GL/glew.h>

#include <array>
#include <memory>

namespace {

using ColorTest = TestSupport::GLTest;

std::array<GLfloat, 4> currentColor() {
    std::array<GLfloat, 4> rgba{};
    glGetFloatv(GL_CURRENT_COLOR, rgba.data());
    return rgba;
}

TEST_F(ColorTest, UseSendsTheCurrentValueAndDrawingTakesIt) {
    MatSys::OGL::ColorMaker maker;
    const std::unique_ptr<MatSys::I_Color> color(maker.create());
    glColor4f(1, 1, 1, 1);
    color->use();
    EXPECT_EQ(currentColor(), (std::array<GLfloat, 4>{0, 0, 0, 0}));

    color->RGBA() = {255, 51, 0, 255};
    color->use();
    EXPECT_EQ(currentColor(), (std::array<GLfloat, 4>{1, 0.2f, 0, 1}));
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glRectf(-1, -1, 1, 1);
    EXPECT_EQ(TestSupport::GLWindow::pixel(5, 5), (std::array<unsigned char, 4>{255, 51, 0, 255}));

    const std::unique_ptr<MatSys::I_Color> given(maker.create({1, 2, 3, 4}));
    given->use();
    EXPECT_EQ(currentColor()[2], 3.0f / 255.0f);
    EXPECT_EQ(given->RGBA().a, 4);
}

} // namespace
