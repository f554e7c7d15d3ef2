#include "ControllerFixture.h"

#include <GL/glew.h>

#include <cmath>
#include <vector>

namespace {

class ControllerViewTest : public ControllerTest {
protected:
    static Render::ViewData perspectiveRecord(float fov, float scaleX, int width, int height) {
        Render::ViewData data = orthoRecord(width, height, 1.0f);
        data.near = 1.0f;
        data.far = 100.0f;
        data.fov = fov;
        data.scaleX = scaleX;
        data.perspective = true;
        return data;
    }
};
using Matrix = std::vector<float>;

Matrix matrix(GLenum which) {
    Matrix m(16);
    glGetFloatv(which, m.data());
    return m;
}

std::vector<GLint> viewport() {
    std::vector<GLint> v(4);
    glGetIntegerv(GL_VIEWPORT, v.data());
    return v;
}

// Column-order projection of glOrtho.
Matrix ortho(float l, float r, float b, float t, float n, float f) {
    Matrix m(16, 0.0f);
    m[0] = 2 / (r - l);
    m[5] = 2 / (t - b);
    m[10] = -2 / (f - n);
    m[12] = -(r + l) / (r - l);
    m[13] = -(t + b) / (t - b);
    m[14] = -(f + n) / (f - n);
    m[15] = 1;
    return m;
}

void expectNear(const Matrix& actual, const Matrix& expected) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-5f) << "element " << i;
    }
}

TEST_F(ControllerViewTest, OrthographicRecordSetsViewportProjectionAndNoDepthTest) {
    glEnable(GL_DEPTH_TEST);
    m_controller.setViewData(orthoRecord(40, 20, 1.0f));
    EXPECT_EQ(viewport(), (std::vector<GLint>{0, 0, 40, 20}));
    expectNear(matrix(GL_PROJECTION_MATRIX), ortho(0, 40, 0, 20, -1, 1));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_PROJECTION);
}

TEST_F(ControllerViewTest, OrthographicScaleWidensTheExtentAroundTheOrigin) {
    m_controller.setViewData(orthoRecord(100, 50, 2.0f));
    expectNear(matrix(GL_PROJECTION_MATRIX), ortho(-100, 200, -50, 100, -1, 1));
}

TEST_F(ControllerViewTest, KeepRecordLeavesViewportAndUsesNearMinusOne) {
    Render::ViewData first = orthoRecord(40, 20, 1.0f);
    first.near = 0.5f;
    first.far = 10.0f;
    m_controller.setViewData(first);
    glViewport(1, 2, 3, 4);

    Render::ViewData keep;
    keep.perspective = false;
    m_controller.setViewData(keep);
    EXPECT_EQ(viewport(), (std::vector<GLint>{1, 2, 3, 4}));
    expectNear(matrix(GL_PROJECTION_MATRIX), ortho(0, 40, 0, 20, -1, 10));
    const Render::ViewData& current = m_controller.getViewData();
    EXPECT_EQ(current.near, 0.5f);
    EXPECT_EQ(current.width, 40);
    EXPECT_EQ(current.vsync, 0);
    EXPECT_FALSE(current.perspective);
}

TEST_F(ControllerViewTest, PerspectiveFieldOfViewIsScaledByScaleX) {
    m_controller.setViewData(perspectiveRecord(45.0f, 2.0f, 64, 32));
    const Matrix m = matrix(GL_PROJECTION_MATRIX);
    // A 90 degree field of view: cot(45) = 1, divided by the aspect ratio of 2 for x.
    EXPECT_NEAR(m[5], 1.0f, 1e-5f);
    EXPECT_NEAR(m[0], 0.5f, 1e-5f);
    EXPECT_NEAR(m[10], -101.0f / 99.0f, 1e-5f);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(ControllerViewTest, UnusablePerspectiveLeavesTheProjectionAlone) {
    m_controller.setViewData(perspectiveRecord(60.0f, 1.0f, 64, 64));
    const Matrix before = matrix(GL_PROJECTION_MATRIX);
    for (float fov : {180.0f, -30.0f, std::nanf("")}) {
        m_controller.setViewData(perspectiveRecord(fov, 1.0f, 64, 64));
        EXPECT_EQ(matrix(GL_PROJECTION_MATRIX), before) << "fov " << fov;
    }
    // A field of view scaled past 180 degrees.
    m_controller.setViewData(perspectiveRecord(100.0f, 2.0f, 64, 64));
    EXPECT_EQ(matrix(GL_PROJECTION_MATRIX), before);

    Render::ViewData zeroHeight = perspectiveRecord(60.0f, 1.0f, 64, 0);
    OGL::Controller unsized(zeroHeight);
    unsized.setViewData(zeroHeight);
    EXPECT_EQ(matrix(GL_PROJECTION_MATRIX), before);
}

TEST_F(ControllerViewTest, PopRestoresPushedFieldsExceptKeepValues) {
    m_controller.setViewData(orthoRecord(40, 20, 1.0f));
    m_controller.pushViewData();
    m_controller.setViewData(orthoRecord(30, 10, 2.0f));
    m_controller.popViewData();
    const Render::ViewData& current = m_controller.getViewData();
    EXPECT_EQ(current.width, 40);
    EXPECT_EQ(current.scaleX, 1.0f);
    expectNear(matrix(GL_PROJECTION_MATRIX), ortho(0, 40, 0, 20, -1, 1));
    EXPECT_EQ(viewport(), (std::vector<GLint>{0, 0, 40, 20}));

    // A pushed keep value stays as the current field is now.
    OGL::Controller fresh(Render::ViewData{});
    fresh.pushViewData();
    fresh.setViewData(orthoRecord(30, 10, 2.0f));
    fresh.popViewData();
    EXPECT_EQ(fresh.getViewData().width, 30);
    EXPECT_EQ(fresh.getViewData().scaleX, 2.0f);
    EXPECT_TRUE(fresh.getViewData().perspective);
}

TEST_F(ControllerViewTest, PopOnEmptyStackChangesNothing) {
    m_controller.setViewData(orthoRecord(40, 20, 1.0f));
    const Matrix before = matrix(GL_PROJECTION_MATRIX);
    m_controller.popViewData();
    m_controller.popCamera();
    EXPECT_EQ(matrix(GL_PROJECTION_MATRIX), before);
    EXPECT_EQ(m_controller.getViewData().width, 40);
}

TEST_F(ControllerViewTest, ConstructionRecordIsKeptButNotApplied) {
    const Render::ViewData data = orthoRecord(10, 10, 1.0f);
    glViewport(0, 0, 64, 64);
    const OGL::Controller controller(data);
    EXPECT_EQ(controller.getViewData().width, 10);
    EXPECT_EQ(viewport(), (std::vector<GLint>{0, 0, 64, 64}));
    const MathStuff::Orientation<float>& camera = controller.getCamera();
    EXPECT_EQ(camera.direction.z, 1.0f);
    EXPECT_EQ(camera.up.y, 1.0f);
    EXPECT_EQ(camera.scale.x, 1.0f);
}

TEST_F(ControllerViewTest, CameraLookingDownMinusZAtOriginIsIdentity) {
    m_controller.setCamera({{0, 0, 0}, {0, 0, -1}, {0, 1, 0}, {1, 1, 1}});
    expectNear(matrix(GL_MODELVIEW_MATRIX), {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
}

TEST_F(ControllerViewTest, InitialCameraIsAHalfTurnAboutY) {
    m_controller.setCamera(m_controller.getCamera());
    expectNear(matrix(GL_MODELVIEW_MATRIX), {-1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1});
}

TEST_F(ControllerViewTest, CameraPositionTranslatesTheWorldBack) {
    m_controller.setCamera({{3, 4, 5}, {0, 0, -1}, {0, 1, 0}, {9, 9, 9}});
    expectNear(matrix(GL_MODELVIEW_MATRIX), {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, -3, -4, -5, 1});
}

TEST_F(ControllerViewTest, PopCameraRestoresThePushedCamera) {
    m_controller.setCamera({{3, 4, 5}, {0, 0, -1}, {0, 1, 0}, {1, 1, 1}});
    m_controller.pushCamera();
    m_controller.setCamera({{0, 0, 0}, {0, 0, 1}, {0, 1, 0}, {1, 1, 1}});
    m_controller.popCamera();
    EXPECT_EQ(m_controller.getCamera().position.x, 3.0f);
    expectNear(matrix(GL_MODELVIEW_MATRIX), {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, -3, -4, -5, 1});
}

TEST_F(ControllerViewTest, ProjectPointGivesWindowCoordinates) {
    setWindowView();
    const MathStuff::Vector3<float> w = m_controller.projectPoint({10, 20, 0});
    EXPECT_NEAR(w.x, 10.0f, 1e-4f);
    EXPECT_NEAR(w.y, 20.0f, 1e-4f);
    EXPECT_NEAR(w.z, 0.5f, 1e-4f);
}

TEST_F(ControllerViewTest, PickRayRunsFromNearToFarRelativeToTheCamera) {
    setWindowView();
    m_controller.setCamera({{1, 2, 0}, {0, 0, -1}, {0, 1, 0}, {1, 1, 1}});
    const MathStuff::Vector3<float> ray = m_controller.getPickRay(10, 20);
    // Orthographic: near and far share x and y, so only the depth span of 2 remains (the
    // far plane lies at -1 in eye space).
    EXPECT_NEAR(ray.x, -1.0f, 1e-4f);
    EXPECT_NEAR(ray.y, -2.0f, 1e-4f);
    EXPECT_NEAR(ray.z, -2.0f, 1e-4f);
}

} // namespace
