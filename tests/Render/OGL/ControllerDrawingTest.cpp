#include "ControllerFixture.h"

#include <GL/glew.h>

#include <memory>
#include <vector>

namespace {

class ControllerDrawingTest : public ControllerTest {
protected:
    void SetUp() override {
        setWindowView();
        m_controller.doClear({0, 0, 0, 255});
        m_controller.setColor({255, 255, 255, 255});
    }

    // A client array of 2D positions, bound for drawing.
    void bindPositions(const std::vector<float>& xy) {
        const int size = static_cast<int>(xy.size() * sizeof(float));
        m_array.reset(m_controller.createVertexArray(size, false));
        ASSERT_NE(m_array, nullptr);
        m_array->defineVertexInfo(2, Render::I_VertexArray::VA_FLOAT);
        m_array->putData(xy.data(), size, 0);
        m_array->beginUsing();
    }

    std::unique_ptr<Render::I_VertexArray> m_array;
};

TEST_F(ControllerDrawingTest, DrawsEachPrimitiveKind) {
    bindPositions({10.5f, 10.5f, 20.5f, 20.5f, 20.5f, 10.5f});
    m_controller.drawArrays(Render::RT_POINTS, 0, 1);
    EXPECT_EQ(pixel(10, 10), s_white);
    EXPECT_EQ(pixel(15, 15), s_black);

    m_controller.drawArrays(Render::RT_LINES, 0, 2);
    EXPECT_EQ(pixel(15, 15), s_white);

    m_controller.drawArrays(Render::RT_TRIANGLES, 0, 3);
    EXPECT_EQ(pixel(18, 13), s_white);
    EXPECT_EQ(pixel(13, 18), s_black);

    bindPositions({30, 30, 40, 30, 40, 40, 30, 40});
    m_controller.drawArrays(Render::RT_QUADS, 0, 4);
    EXPECT_EQ(pixel(35, 35), s_white);

    bindPositions({0, 50, 10, 50, 0, 60, 10, 60});
    m_controller.drawArrays(Render::RT_TRIANGLE_STRIP, 0, 4);
    EXPECT_EQ(pixel(2, 58), s_white);
    EXPECT_EQ(pixel(8, 52), s_white);

    bindPositions({50, 0, 60, 0, 60, 10, 50, 10});
    m_controller.drawArrays(Render::RT_TRIANGLE_FAN, 0, 4);
    EXPECT_EQ(pixel(52, 8), s_white);
    EXPECT_EQ(pixel(58, 2), s_white);
}

TEST_F(ControllerDrawingTest, ZeroCountOrUnknownKindDrawsNothing) {
    bindPositions({0, 0, 64, 0, 64, 64, 0, 64});
    m_controller.drawArrays(Render::RT_QUADS, 0, 0);
    m_controller.drawArrays(static_cast<Render::RenderType>(6), 0, 4);
    m_controller.drawArrays(static_cast<Render::RenderType>(-1), 0, 4);
    unsigned int indices[] = {0, 1, 2, 3};
    m_controller.drawElements(static_cast<Render::RenderType>(6), 4, indices);
    m_controller.drawElements(Render::RT_QUADS, 0, indices);
    EXPECT_EQ(pixel(32, 32), s_black);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ControllerDrawingTest, DrawElementsFollowsTheIndices) {
    bindPositions({0, 0, 10, 0, 30, 30, 40, 30, 40, 40, 30, 40});
    unsigned int indices[] = {2, 3, 4, 5};
    m_controller.drawElements(Render::RT_QUADS, 4, indices);
    EXPECT_EQ(pixel(35, 35), s_white);
    EXPECT_EQ(pixel(5, 1), s_black);
}

TEST_F(ControllerDrawingTest, DrawElementsWithoutIndicesOrElementBufferDrawsNothing) {
    bindPositions({0, 0, 64, 0, 64, 64, 0, 64});
    m_controller.drawElements(Render::RT_QUADS, 4, nullptr);
    EXPECT_EQ(pixel(32, 32), s_black);
}

TEST_F(ControllerDrawingTest, DrawElementsWithoutIndicesReadsTheBoundElementBuffer) {
    bindPositions({0, 0, 10, 0, 30, 30, 40, 30, 40, 40, 30, 40});
    const unsigned int indices[] = {2, 3, 4, 5};
    GLuint elements = 0;
    glGenBuffers(1, &elements);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, elements);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, sizeof(indices), indices, GL_STATIC_DRAW);
    m_controller.drawElements(Render::RT_QUADS, 4, nullptr);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glDeleteBuffers(1, &elements);
    EXPECT_EQ(pixel(35, 35), s_white);
}

TEST_F(ControllerDrawingTest, CopyScreenReadsRowsBottomFirst) {
    m_controller.setColor({255, 0, 0, 255});
    drawRect(0, 0, 64, 1);
    std::vector<unsigned char> pixels(2 * 2 * 4);
    m_controller.copyScreen(pixels.data(), 0, 0, 2, 2);
    EXPECT_EQ(std::vector<unsigned char>(pixels.begin(), pixels.begin() + 8),
              (std::vector<unsigned char>{255, 0, 0, 255, 255, 0, 0, 255}));
    EXPECT_EQ(std::vector<unsigned char>(pixels.begin() + 8, pixels.end()),
              (std::vector<unsigned char>{0, 0, 0, 255, 0, 0, 0, 255}));
}

TEST_F(ControllerDrawingTest, ShowScreenPlacesPixelsOnTheWindowPixel) {
    std::vector<unsigned char> pixels(2 * 2 * 4, 0);
    for (std::size_t i = 0; i < pixels.size(); i += 4) {
        pixels[i + 1] = 255;
        pixels[i + 3] = 255;
    }
    // Outside the viewport, with the depth test on: neither may keep the pixels away.
    glViewport(0, 0, 16, 16);
    glEnable(GL_DEPTH_TEST);
    m_controller.showScreen(pixels.data(), 40, 30, 2, 2);
    EXPECT_EQ(pixel(40, 30), s_green);
    EXPECT_EQ(pixel(41, 31), s_green);
    EXPECT_EQ(pixel(39, 30), s_black);
    EXPECT_EQ(pixel(42, 32), s_black);
}

TEST_F(ControllerDrawingTest, ShowScreenRestoresWhatItChanged) {
    glEnable(GL_DEPTH_TEST);
    glViewport(3, 4, 50, 40);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(1, 2, 3);
    GLfloat modelView[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
    unsigned char pixel[4] = {1, 2, 3, 4};
    m_controller.showScreen(pixel, 10, 10, 1, 1);

    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(std::vector<GLint>(viewport, viewport + 4), (std::vector<GLint>{3, 4, 50, 40}));
    GLfloat depthRange[2];
    glGetFloatv(GL_DEPTH_RANGE, depthRange);
    EXPECT_EQ(depthRange[0], 0.0f);
    EXPECT_EQ(depthRange[1], 1.0f);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    GLfloat after[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    EXPECT_EQ(std::vector<GLfloat>(after, after + 16),
              std::vector<GLfloat>(modelView, modelView + 16));
}

TEST_F(ControllerDrawingTest, InitCullsBackFacesWithLightingOff) {
    glEnable(GL_LIGHTING);
    m_controller.init();
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    GLint front = 0;
    GLint cull = 0;
    glGetIntegerv(GL_FRONT_FACE, &front);
    glGetIntegerv(GL_CULL_FACE_MODE, &cull);
    EXPECT_EQ(front, GL_CCW);
    EXPECT_EQ(cull, GL_BACK);
    // A clockwise quad is a back face now.
    m_controller.setColor({255, 255, 255, 255});
    drawRect(10, 10, 20, 20);
    EXPECT_EQ(pixel(15, 15), s_white);
    glBegin(GL_QUADS);
    glVertex2f(30, 30);
    glVertex2f(30, 40);
    glVertex2f(40, 40);
    glVertex2f(40, 30);
    glEnd();
    EXPECT_EQ(pixel(35, 35), s_black);
}

} // namespace
