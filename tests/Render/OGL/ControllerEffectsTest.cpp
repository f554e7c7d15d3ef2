#include "ControllerFixture.h"

#include <GL/glew.h>

#include <vector>

namespace {

class ControllerEffectsTest : public ControllerTest {
protected:
    void SetUp() override {
        setWindowView();
        m_controller.doClear({0, 0, 0, 255});
    }

    static GLint integer(GLenum name) {
        GLint value = 0;
        glGetIntegerv(name, &value);
        return value;
    }

    static GLfloat real(GLenum name) {
        GLfloat value = 0;
        glGetFloatv(name, &value);
        return value;
    }

    // Clip shapes: the left half once, its lower-left quarter a second time.
    void drawClipShapes() {
        m_controller.beginClipDraw(true);
        drawRect(0, 0, 32, 64);
        drawRect(0, 0, 32, 32);
        m_controller.endClipDraw();
    }
};

TEST_F(ControllerEffectsTest, DoClearUsesTheColourAndKeepsTheStencil) {
    drawClipShapes();
    m_controller.doClear({255, 0, 0, 255});
    EXPECT_EQ(pixel(10, 10), s_red);
    EXPECT_EQ(pixel(50, 50), s_red);
    m_controller.setClipping(true, 2);
    m_controller.setColor({0, 255, 0, 255});
    drawRect(0, 0, 64, 64);
    m_controller.setClipping(false, 0);
    EXPECT_EQ(pixel(10, 10), s_green);
    EXPECT_EQ(pixel(10, 50), s_red);
}

TEST_F(ControllerEffectsTest, ClipShapesDrawNoColour) {
    m_controller.setColor({255, 255, 255, 255});
    drawClipShapes();
    EXPECT_EQ(pixel(10, 10), s_black);
    EXPECT_FALSE(glIsEnabled(GL_STENCIL_TEST));
}

TEST_F(ControllerEffectsTest, ClippingToZeroDrawsWhereNoShapeWas) {
    drawClipShapes();
    m_controller.setClipping(true, 0);
    m_controller.setColor({255, 255, 255, 255});
    drawRect(0, 0, 64, 64);
    EXPECT_EQ(pixel(50, 50), s_white);
    EXPECT_EQ(pixel(10, 50), s_black);
    EXPECT_EQ(pixel(10, 10), s_black);
}

TEST_F(ControllerEffectsTest, ClippingToMinusOneDrawsWhereAnyShapeWas) {
    drawClipShapes();
    m_controller.setClipping(true, -1);
    m_controller.setColor({255, 255, 255, 255});
    drawRect(0, 0, 64, 64);
    EXPECT_EQ(pixel(50, 50), s_black);
    EXPECT_EQ(pixel(10, 50), s_white);
    EXPECT_EQ(pixel(10, 10), s_white);
}

TEST_F(ControllerEffectsTest, ClippingToMinusTwoExcludesSingleCoverage) {
    drawClipShapes();
    m_controller.setClipping(true, -2);
    m_controller.setColor({255, 255, 255, 255});
    drawRect(0, 0, 64, 64);
    EXPECT_EQ(pixel(50, 50), s_white);
    EXPECT_EQ(pixel(10, 50), s_black);
    EXPECT_EQ(pixel(10, 10), s_white);
}

TEST_F(ControllerEffectsTest, BeginClipDrawWithoutClearAddsToTheCounts) {
    drawClipShapes();
    m_controller.beginClipDraw(false);
    drawRect(32, 0, 64, 64);
    m_controller.endClipDraw();
    m_controller.setClipping(true, 0);
    m_controller.setColor({255, 255, 255, 255});
    drawRect(0, 0, 64, 64);
    EXPECT_EQ(pixel(50, 50), s_black);
    EXPECT_EQ(pixel(10, 50), s_black);
}

TEST_F(ControllerEffectsTest, BlendingMixesByTheSourceAlpha) {
    m_controller.setColor({255, 0, 0, 255});
    drawRect(0, 0, 64, 64);
    m_controller.setBlending(true);
    m_controller.setColor({0, 0, 255, 128});
    drawRect(0, 0, 64, 64);
    const Pixel mixed = pixel(32, 32);
    EXPECT_NEAR(mixed[0], 127, 2);
    EXPECT_NEAR(mixed[2], 128, 2);
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    m_controller.setBlending(false);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
}

TEST_F(ControllerEffectsTest, AlphaFuncKeepsFragmentsOnTheChosenSide) {
    m_controller.setAlphaTest(true);
    m_controller.setAlphaFunc(0.5f, false);
    EXPECT_EQ(integer(GL_ALPHA_TEST_FUNC), GL_LESS);
    EXPECT_EQ(real(GL_ALPHA_TEST_REF), 0.5f);
    m_controller.setColor({255, 255, 255, 200});
    drawRect(0, 0, 32, 64);
    m_controller.setColor({255, 255, 255, 50});
    drawRect(32, 0, 64, 64);
    EXPECT_EQ(pixel(10, 10)[0], 0);
    EXPECT_EQ(pixel(50, 10)[0], 255);

    m_controller.setAlphaFunc(0.25f, true);
    EXPECT_EQ(integer(GL_ALPHA_TEST_FUNC), GL_GREATER);
    m_controller.setAlphaTest(false);
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
}

TEST_F(ControllerEffectsTest, FogRangeIsAPercentageOfTheFarDistance) {
    Render::ViewData view;
    view.far = 200.0f;
    view.perspective = false;
    m_controller.setViewData(view);
    m_controller.setFogParams(50.0f, 100.0f, {255, 0, 51, 255});
    EXPECT_EQ(real(GL_FOG_START), 100.0f);
    EXPECT_EQ(real(GL_FOG_END), 200.0f);
    EXPECT_EQ(integer(GL_FOG_MODE), GL_LINEAR);
    GLfloat color[4];
    glGetFloatv(GL_FOG_COLOR, color);
    EXPECT_FLOAT_EQ(color[0], 1.0f);
    EXPECT_FLOAT_EQ(color[1], 0.0f);
    EXPECT_FLOAT_EQ(color[2], 0.2f);
    EXPECT_FLOAT_EQ(color[3], 1.0f);
    EXPECT_FALSE(glIsEnabled(GL_FOG));
    m_controller.setFog(true);
    EXPECT_TRUE(glIsEnabled(GL_FOG));
}

TEST_F(ControllerEffectsTest, ColorMaskOfOneFlagMasksAllChannels) {
    m_controller.setColorMask(false);
    GLboolean mask[4];
    glGetBooleanv(GL_COLOR_WRITEMASK, mask);
    EXPECT_EQ(std::vector<GLboolean>(mask, mask + 4), (std::vector<GLboolean>(4, GL_FALSE)));
    m_controller.setColor({255, 255, 255, 255});
    drawRect(0, 0, 64, 64);
    EXPECT_EQ(pixel(32, 32), s_black);

    m_controller.setColorMask(false, true, false, true);
    drawRect(0, 0, 64, 64);
    EXPECT_EQ(pixel(32, 32), (Pixel{0, 255, 0, 255}));
}

TEST_F(ControllerEffectsTest, DepthTestAndMaskDecideWhatHides) {
    m_controller.setDepthTest(true);
    m_controller.setColor({255, 0, 0, 255});
    drawRect(0, 0, 64, 64, 0.5f); // nearer: the view looks down -z
    m_controller.setColor({0, 255, 0, 255});
    drawRect(0, 0, 64, 64, -0.5f);
    EXPECT_EQ(pixel(32, 32), s_red);

    m_controller.doClear({0, 0, 0, 255});
    m_controller.setDepthMask(false);
    m_controller.setColor({255, 0, 0, 255});
    drawRect(0, 0, 64, 64, 0.5f);
    m_controller.setColor({0, 255, 0, 255});
    drawRect(0, 0, 64, 64, -0.5f);
    EXPECT_EQ(pixel(32, 32), s_green);
    m_controller.setDepthMask(true);
    m_controller.setDepthTest(false);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
}

} // namespace
