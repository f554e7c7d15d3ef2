#pragma once

#include "Render/OGL/Controller.h"
#include "Support/GLTest.h"

#include <GL/glew.h>

#include <array>
#include <vector>

using Pixel = std::array<unsigned char, 4>;
constexpr Pixel s_black{0, 0, 0, 255};
constexpr Pixel s_white{255, 255, 255, 255};
constexpr Pixel s_red{255, 0, 0, 255};
constexpr Pixel s_green{0, 255, 0, 255};

inline Pixel pixel(int x, int y) {
    return TestSupport::GLWindow::pixel(x, y);
}

// The first count values of a GL state variable.
inline std::vector<GLint> integers(GLenum name, int count) {
    std::vector<GLint> values(16);
    glGetIntegerv(name, values.data());
    return {values.begin(), values.begin() + count};
}

inline GLint integer(GLenum name) {
    return integers(name, 1)[0];
}

inline std::vector<GLfloat> floats(GLenum name, int count) {
    std::vector<GLfloat> values(16);
    glGetFloatv(name, values.data());
    return {values.begin(), values.begin() + count};
}

// A filled rectangle at depth z in the current colour, drawn without vertex arrays.
inline void drawRect(float x0, float y0, float x1, float y1, float z = 0.0f) {
    glBegin(GL_QUADS);
    glVertex3f(x0, y0, z);
    glVertex3f(x1, y0, z);
    glVertex3f(x1, y1, z);
    glVertex3f(x0, y1, z);
    glEnd();
}

// A controller over a fresh 64 x 64 window.
class ControllerTest : public TestSupport::GLTest {
protected:
    // An orthographic record over a viewport at the origin, depth from -1 to 1, no vsync.
    static Render::ViewData orthoRecord(int width, int height, float scale) {
        return {-1.0f, 1.0f, 0.0f, 0, 0, width, height, scale, scale, 0, false};
    }

    // The window as a 2D view (one unit per pixel, origin bottom left, no depth test),
    // cleared to black.
    void setWindowView() {
        m_controller.setViewData(orthoRecord(s_width, s_height, 1.0f));
        m_controller.setCamera({{0, 0, 0}, {0, 0, -1}, {0, 1, 0}, {1, 1, 1}});
        m_controller.doClear({0, 0, 0, 255});
    }

    OGL::Controller m_controller{Render::ViewData{}};
};
