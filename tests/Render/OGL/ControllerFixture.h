#pragma once

#include "Render/OGL/Controller.h"
#include "Support/GLTest.h"

#include <GL/glew.h>

#include <array>
#include <map>
#include <string>
#include <tuple>
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

// The GL state that the controller's calls set or must leave alone, by name, and the error
// flag, which the reading clears.
using GLState = std::map<std::string, std::vector<GLdouble>>;

inline GLState glState() {
    // A name, its state variables and how many values each of them has.
    static const std::tuple<const char*, std::vector<GLenum>, int> READINGS[] = {
        {"matrix mode", {GL_MATRIX_MODE}, 1},
        {"model-view", {GL_MODELVIEW_MATRIX}, 16},
        {"projection", {GL_PROJECTION_MATRIX}, 16},
        {"stack depths", {GL_MODELVIEW_STACK_DEPTH, GL_PROJECTION_STACK_DEPTH}, 1},
        {"viewport", {GL_VIEWPORT}, 4},
        {"depth range", {GL_DEPTH_RANGE}, 2},
        {"depth test", {GL_DEPTH_TEST}, 1},
        {"blend", {GL_BLEND}, 1},
        {"alpha test", {GL_ALPHA_TEST}, 1},
        {"cull face", {GL_CULL_FACE}, 1},
        {"fog", {GL_FOG}, 1},
        {"lighting", {GL_LIGHTING}, 1},
        {"stencil",
         {GL_STENCIL_TEST, GL_STENCIL_FUNC, GL_STENCIL_REF, GL_STENCIL_VALUE_MASK, GL_STENCIL_FAIL,
          GL_STENCIL_PASS_DEPTH_FAIL, GL_STENCIL_PASS_DEPTH_PASS},
         1},
        {"stencil clear", {GL_STENCIL_CLEAR_VALUE}, 1},
        {"bindings",
         {GL_ARRAY_BUFFER_BINDING, GL_ELEMENT_ARRAY_BUFFER_BINDING, GL_PIXEL_PACK_BUFFER_BINDING,
          GL_PIXEL_UNPACK_BUFFER_BINDING, GL_TEXTURE_BINDING_2D, GL_RENDERBUFFER_BINDING,
          GL_DRAW_FRAMEBUFFER_BINDING, GL_READ_FRAMEBUFFER_BINDING},
         1},
        {"faces", {GL_FRONT_FACE, GL_CULL_FACE_MODE}, 1},
        {"depth mask", {GL_DEPTH_WRITEMASK}, 1},
        {"clear colour", {GL_COLOR_CLEAR_VALUE}, 4},
        {"colour mask", {GL_COLOR_WRITEMASK}, 4},
        {"fog params", {GL_FOG_START, GL_FOG_END, GL_FOG_MODE}, 1},
        {"fog colour", {GL_FOG_COLOR}, 4}};
    GLState state{{"error", {static_cast<GLdouble>(glGetError())}}};
    for (const auto& [name, queries, count] : READINGS) {
        for (const GLenum query : queries) {
            std::vector<GLdouble> values(16);
            glGetDoublev(query, values.data());
            state[name].insert(state[name].end(), values.begin(), values.begin() + count);
        }
    }
    return state;
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
