#include "ControllerFixture.h"

#include <memory>

namespace {

class ControllerDrawingTest : public ControllerTest {
protected:
    void SetUp() override { setWindowView(); }

    // A vertex array of 2D positions, bound for drawing in white.
    void bindPositions(const std::vector<float>& xy) {
        const int size = static_cast<int>(xy.size() * sizeof(float));
        m_array.reset(m_controller.createVertexArray(size, false));
        m_array->defineVertexInfo(2, Render::I_VertexArray::VA_FLOAT);
        m_array->putData(xy.data(), size, 0);
        m_array->beginUsing();
        m_controller.setColor({255, 255, 255, 255});
    }

    // Draws white through the clipping reference; says which of the pixels under no, one
    // and two clip shapes it reached.
    std::vector<bool> drawClipped(int ref) {
        m_controller.setColor({255, 255, 255, 255});
        m_controller.setClipping(true, ref);
        drawRect(0, 0, 64, 64);
        m_controller.setClipping(false, 0);
        return {pixel(50, 50) == s_white, pixel(10, 50) == s_white, pixel(10, 10) == s_white};
    }

    std::unique_ptr<Render::I_VertexArray> m_array;
};

TEST_F(ControllerDrawingTest, ClippingDrawsWhereTheShapeCountMatchesAndSurvivesAClear) {
    const std::pair<int, std::vector<bool>> rows[] = {
        {0, {1, 0, 0}}, {-1, {0, 1, 1}}, {-2, {1, 0, 1}}, {2, {0, 0, 1}}, {1, {0, 1, 0}}};
    for (const auto& [ref, drawn] : rows) {
        // The left half once, its lower-left quarter a second time.
        m_controller.beginClipDraw(true);
        drawRect(0, 0, 32, 64);
        drawRect(0, 0, 32, 32);
        m_controller.endClipDraw();
        EXPECT_FALSE(glIsEnabled(GL_STENCIL_TEST));
        EXPECT_EQ(pixel(10, 10), s_black) << "clip shapes draw no colour";
        EXPECT_EQ(drawClipped(ref), drawn) << "reference " << ref;
        m_controller.doClear({0, 0, 0, 255});
    }
    m_controller.beginClipDraw(false);
    drawRect(32, 0, 64, 64);
    m_controller.endClipDraw();
    EXPECT_EQ(drawClipped(1), (std::vector<bool>{1, 1, 0}));
}

TEST_F(ControllerDrawingTest, BlendingMixesByTheSourceAlphaAndAlphaFuncPicksTheSide) {
    m_controller.setColor({255, 0, 0, 255});
    drawRect(0, 0, 64, 64);
    m_controller.setBlending(true);
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    m_controller.setColor({0, 0, 255, 128});
    drawRect(0, 0, 64, 64);
    EXPECT_NEAR(pixel(32, 32)[0], 127, 2);
    EXPECT_NEAR(pixel(32, 32)[2], 128, 2);
    m_controller.setBlending(false);
    EXPECT_FALSE(glIsEnabled(GL_BLEND) || glIsEnabled(GL_ALPHA_TEST));

    m_controller.setAlphaTest(true);
    m_controller.setAlphaFunc(0.5f, false);
    EXPECT_EQ(integer(GL_ALPHA_TEST_FUNC), GL_LESS);
    EXPECT_EQ(floats(GL_ALPHA_TEST_REF, 1)[0], 0.5f);
    m_controller.setColor({255, 255, 255, 200});
    drawRect(0, 0, 32, 64);
    m_controller.setColor({255, 255, 255, 50});
    drawRect(32, 0, 64, 64);
    EXPECT_EQ(pixel(10, 10)[1], 0);
    EXPECT_EQ(pixel(50, 10)[1], 255);
    m_controller.setAlphaFunc(0.25f, true);
    EXPECT_EQ(integer(GL_ALPHA_TEST_FUNC), GL_GREATER);
    m_controller.setAlphaTest(false);
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
}

TEST_F(ControllerDrawingTest, FogRangeIsAPercentageOfTheFarDistance) {
    m_controller.setViewData({0, 200.0f, 0, -1, -1, 0, 0, 0, 0, -1, false});
    m_controller.setFogParams(50.0f, 100.0f, {255, 0, 51, 255});
    EXPECT_EQ(floats(GL_FOG_START, 1), std::vector<GLfloat>{100.0f});
    EXPECT_EQ(floats(GL_FOG_END, 1), std::vector<GLfloat>{200.0f});
    EXPECT_EQ(integer(GL_FOG_MODE), GL_LINEAR);
    EXPECT_EQ(floats(GL_FOG_COLOR, 4), (std::vector<GLfloat>{1.0f, 0.0f, 0.2f, 1.0f}));
    EXPECT_FALSE(glIsEnabled(GL_FOG));
    m_controller.setFog(true);
    EXPECT_TRUE(glIsEnabled(GL_FOG));
}

TEST_F(ControllerDrawingTest, ColourMaskAndDepthTestDecideWhatIsWritten) {
    m_controller.setColorMask(false);
    drawRect(0, 0, 64, 64);
    EXPECT_EQ(pixel(32, 32), s_black);
    m_controller.setColorMask(false, true, false, true);
    drawRect(0, 0, 64, 64);
    EXPECT_EQ(pixel(32, 32), s_green);
    m_controller.setColorMask(true);
    // The view looks down -z, so z 0.5 lies nearer than -0.5.
    for (const bool depthMask : {true, false}) {
        m_controller.doClear({0, 0, 0, 255});
        m_controller.setDepthTest(true);
        m_controller.setDepthMask(depthMask);
        m_controller.setColor({255, 0, 0, 255});
        drawRect(0, 0, 64, 64, 0.5f);
        m_controller.setColor({0, 255, 0, 255});
        drawRect(0, 0, 64, 64, -0.5f);
        EXPECT_EQ(pixel(32, 32), depthMask ? s_red : s_green) << "depth mask " << depthMask;
    }
    m_controller.setDepthTest(false);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(ControllerDrawingTest, DrawsEachPrimitiveKindAndNothingForNoCountOrUnknownKind) {
    bindPositions({10.5f, 10.5f, 20.5f, 20.5f, 20.5f, 10.5f});
    m_controller.drawArrays(Render::RT_POINTS, 0, 1);
    EXPECT_EQ(pixel(10, 10), s_white);
    EXPECT_EQ(pixel(15, 15), s_black);
    m_controller.drawArrays(Render::RT_LINES, 0, 2);
    EXPECT_EQ(pixel(15, 15), s_white);
    m_controller.drawArrays(Render::RT_TRIANGLES, 0, 3);
    EXPECT_EQ(pixel(18, 13), s_white);
    EXPECT_EQ(pixel(13, 18), s_black);
    // A square, a strip and a square; the last check of each falls outside the first
    // triangle of its four vertices.
    bindPositions({30, 30, 40, 30, 40, 40, 30, 40, 50, 0,  60, 0,
                   50, 10, 60, 10, 30, 50, 40, 50, 40, 60, 30, 60});
    m_controller.drawArrays(Render::RT_QUADS, 8, 4);
    EXPECT_EQ(pixel(32, 58), s_white);
    m_controller.drawArrays(Render::RT_TRIANGLE_STRIP, 4, 4);
    EXPECT_EQ(pixel(52, 8), s_white);
    EXPECT_EQ(pixel(58, 2), s_white);
    m_controller.drawArrays(Render::RT_TRIANGLE_FAN, 0, 4);
    EXPECT_EQ(pixel(38, 32), s_white);
    EXPECT_EQ(pixel(32, 36), s_white);

    bindPositions({0, 0, 64, 0, 64, 64, 0, 64});
    m_controller.doClear({0, 0, 0, 255});
    m_controller.drawArrays(Render::RT_QUADS, 0, 0);
    unsigned int indices[] = {0, 1, 2, 3};
    for (const int kind : {6, -1}) {
        m_controller.drawArrays(static_cast<Render::RenderType>(kind), 0, 4);
        m_controller.drawElements(static_cast<Render::RenderType>(kind), 4, indices);
    }
    m_controller.drawElements(Render::RT_QUADS, 0, indices);
    EXPECT_EQ(pixel(32, 32), s_black);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ControllerDrawingTest, DrawElementsWithoutIndicesReadsTheElementBufferOrDrawsNothing) {
    bindPositions({0, 0, 10, 0, 30, 30, 40, 30, 40, 40, 30, 40});
    m_controller.drawElements(Render::RT_QUADS, 4, nullptr);
    EXPECT_EQ(pixel(35, 35), s_black);
    unsigned int indices[] = {2, 3, 4, 5};
    m_controller.drawElements(Render::RT_QUADS, 4, indices);
    EXPECT_EQ(pixel(35, 35), s_white);
    EXPECT_EQ(pixel(5, 1), s_black);

    m_controller.doClear({0, 0, 0, 255});
    GLuint elements = 0;
    glGenBuffers(1, &elements);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, elements);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, sizeof(indices), indices, GL_STATIC_DRAW);
    m_controller.drawElements(Render::RT_QUADS, 4, nullptr);
    glDeleteBuffers(1, &elements);
    EXPECT_EQ(pixel(35, 35), s_white);
}

TEST_F(ControllerDrawingTest, ShowScreenPlacesPixelsOnTheWindowPixelAndRestoresWhatItChanged) {
    // Bottom row green, top row red: copyScreen gives them back bottom row first.
    std::vector<unsigned char> shown{0,   255, 0, 255, 0,   255, 0, 255,
                                     255, 0,   0, 255, 255, 0,   0, 255};
    // Outside the viewport, with the depth test on: neither may keep the pixels away.
    glViewport(3, 4, 16, 16);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(1, 2, 3);
    const std::vector<GLfloat> modelView = floats(GL_MODELVIEW_MATRIX, 16);
    m_controller.showScreen(shown.data(), 40, 30, 2, 2);
    EXPECT_EQ(pixel(41, 30), s_green);
    EXPECT_EQ(pixel(40, 31), s_red);
    EXPECT_EQ(pixel(39, 30), s_black);
    EXPECT_EQ(pixel(42, 32), s_black);
    std::vector<unsigned char> copied(16);
    m_controller.copyScreen(copied.data(), 40, 30, 2, 2);
    EXPECT_EQ(copied, shown);

    EXPECT_EQ(integers(GL_VIEWPORT, 4), (std::vector<GLint>{3, 4, 16, 16}));
    EXPECT_EQ(floats(GL_DEPTH_RANGE, 2), (std::vector<GLfloat>{0.0f, 1.0f}));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_EQ(floats(GL_MODELVIEW_MATRIX, 16), modelView);
}

} // namespace
