// The effects switches of OGL::Controller: thin mappings onto fixed-function GL state.
#include "Render/OGL/Controller.h"

#include <GL/glew.h>

namespace OGL {

namespace {

void enable(GLenum capability, bool on) {
    if (on) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

constexpr float channel(std::uint8_t value) {
    return static_cast<float>(value) / 255.0f;
}

} // namespace

void Controller::doClear(const Util::RGBA& c) {
    glClearColor(channel(c.r), channel(c.g), channel(c.b), channel(c.a));
    // The stencil buffer is left alone so that clip shapes outlive a clear.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void Controller::setColor(const Util::RGBA& c) {
    glColor4ub(c.r, c.g, c.b, c.a);
}

void Controller::setCulling(bool on) {
    enable(GL_CULL_FACE, on);
}

void Controller::setBlending(bool on) {
    enable(GL_BLEND, on);
    enable(GL_ALPHA_TEST, on);
    if (on) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
}

void Controller::setDepthTest(bool on) {
    enable(GL_DEPTH_TEST, on);
}

void Controller::setDepthMask(bool on) {
    glDepthMask(on ? GL_TRUE : GL_FALSE);
}

void Controller::setColorMask(bool all) {
    setColorMask(all, all, all, all);
}

void Controller::setColorMask(bool r, bool g, bool b, bool a) {
    glColorMask(r, g, b, a);
}

void Controller::setAlphaTest(bool on) {
    enable(GL_ALPHA_TEST, on);
}

void Controller::setAlphaFunc(float ref, bool greater) {
    glAlphaFunc(greater ? GL_GREATER : GL_LESS, ref);
}

void Controller::setFog(bool on) {
    enable(GL_FOG, on);
}

void Controller::setFogParams(float startPercent, float endPercent, const Util::RGBA& c) {
    const GLfloat color[4] = {channel(c.r), channel(c.g), channel(c.b), channel(c.a)};
    glFogfv(GL_FOG_COLOR, color);
    glFogf(GL_FOG_START, m_viewData.far * startPercent / 100.0f);
    glFogf(GL_FOG_END, m_viewData.far * endPercent / 100.0f);
    glFogi(GL_FOG_MODE, GL_LINEAR);
}

void Controller::beginClipDraw(bool clear) {
    glEnable(GL_STENCIL_TEST);
    if (clear) {
        glClearStencil(0);
        glClear(GL_STENCIL_BUFFER_BIT);
    }
    // Every fragment fails the test, so clip shapes reach neither colour nor depth, and
    // each one counts up its pixel's stencil value.
    glStencilFunc(GL_NEVER, 0, 0);
    glStencilOp(GL_INCR, GL_INCR, GL_INCR);
}

void Controller::endClipDraw() {
    glDisable(GL_STENCIL_TEST);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
}

void Controller::setClipping(bool on, int ref) {
    if (!on) {
        glDisable(GL_STENCIL_TEST);
        return;
    }
    glEnable(GL_STENCIL_TEST);
    if (ref >= 0) {
        glStencilFunc(GL_EQUAL, ref, ~0u);
    } else {
        glStencilFunc(GL_NOTEQUAL, ~ref, ~0u);
    }
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
}

} // namespace OGL
