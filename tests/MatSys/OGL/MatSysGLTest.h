#pragma once

#include "Media/TGA.h"
#include "Support/GLTest.h"
#include "Support/ScratchDir.h"

#include <GL/glew.h>

#include <array>
#include <string>
#include <vector>

using Pixel = std::array<unsigned char, 4>;
using Bytes = std::vector<unsigned char>;

inline constexpr Pixel s_black{0, 0, 0, 255};
inline constexpr Pixel s_red{255, 0, 0, 255};
inline constexpr Pixel s_blue{0, 0, 255, 255};

// 2 × 2 RGBA pixels, bottom row red and green, top row blue and white.
inline const Bytes s_quadrants{255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};

// A GL window with a scratch folder for image, source and definition files, and a way to see
// what a texture or program draws.
class MatSysGLTest : public TestSupport::GLTest {
protected:
    // Pixels are R, G, B (A) bytes, bottom row first.
    std::string writeTGA(const std::string& name, unsigned int width, unsigned int height,
                         unsigned int bpp, const Bytes& pixels) const {
        const std::string path = m_dir.path(name);
        EXPECT_TRUE(Media::TGA::saveToFile(path.c_str(), width, height, bpp, pixels.data()));
        return path;
    }

    // Covers the window with one quad, texture coordinates 0 to 1, in opaque white.
    static void drawQuad() {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glColor4ub(255, 255, 255, 255);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0);
        glVertex2f(-1, -1);
        glTexCoord2f(1, 0);
        glVertex2f(1, -1);
        glTexCoord2f(1, 1);
        glVertex2f(1, 1);
        glTexCoord2f(0, 1);
        glVertex2f(-1, 1);
        glEnd();
    }

    static Pixel pixel(int x, int y) { return TestSupport::GLWindow::pixel(x, y); }

    static GLint integer(GLenum name) {
        GLint value = 0;
        glGetIntegerv(name, &value);
        return value;
    }

    ScratchDir m_dir;
};
