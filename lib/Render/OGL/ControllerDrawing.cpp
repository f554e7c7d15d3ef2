// The draw calls, framebuffer blit and screen read-back of OGL::Controller.
#include "Render/OGL/Controller.h"

#include "OGL/Extensions.h"
#include "OGL/GLErrors.h"

#include <GL/glew.h>

namespace OGL {

namespace {

constexpr GLenum MODES[] = {GL_POINTS, GL_LINES,          GL_TRIANGLES,
                            GL_QUADS,  GL_TRIANGLE_STRIP, GL_TRIANGLE_FAN};

bool drawable(Render::RenderType type, unsigned int count) {
    return count != 0 && static_cast<unsigned int>(type) < sizeof(MODES) / sizeof(MODES[0]);
}

bool elementBufferBound() {
    GLint buffer = 0;
    glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &buffer);
    return buffer != 0;
}

} // namespace

void Controller::drawArrays(Render::RenderType type, int first, unsigned int count) {
    if (drawable(type, count)) {
        glDrawArrays(MODES[type], first, static_cast<GLsizei>(count));
    }
}

void Controller::drawElements(Render::RenderType type, unsigned int count, unsigned int* indices) {
    // Null indices mean offset 0 into an element buffer; without one GL would read address 0.
    if (drawable(type, count) && (indices != nullptr || elementBufferBound())) {
        glDrawElements(MODES[type], static_cast<GLsizei>(count), GL_UNSIGNED_INT, indices);
    }
}

void Controller::blit(int srcX0, int srcY0, int srcX1, int srcY1, int dstX0, int dstY0, int dstX1,
                      int dstY1) {
    if (!framebufferBlitAvailable()) {
        return;
    }
    glBlitFramebuffer(srcX0, srcY0, srcX1, srcY1, dstX0, dstY0, dstX1, dstY1, GL_COLOR_BUFFER_BIT,
                      GL_LINEAR);
    discardErrors();
}

void Controller::copyScreen(unsigned char* buffer, int x, int y, int width, int height) {
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, buffer);
    discardErrors();
}

void Controller::showScreen(unsigned char* buffer, int x, int y, int width, int height) {
    glPushAttrib(GL_TRANSFORM_BIT | GL_VIEWPORT_BIT | GL_ENABLE_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    // The centre of a 2 x 2 viewport around (x, y) is that window pixel, so the raster
    // position lands on it even outside the current viewport, where glRasterPos alone
    // would be clipped.
    glDepthRange(1.0, 1.0);
    glViewport(x - 1, y - 1, 2, 2);
    glRasterPos4f(0.0f, 0.0f, 0.0f, 1.0f);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    // The pixels sit on the far plane, where a depth test would reject them against a
    // cleared depth buffer.
    glDisable(GL_DEPTH_TEST);
    glDrawPixels(width, height, GL_RGBA, GL_UNSIGNED_BYTE, buffer);
    glPopAttrib();
}

} // namespace OGL
