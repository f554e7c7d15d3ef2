#include "ControllerFixture.h"

#include <cmath>

namespace {

using Floats = std::vector<GLfloat>;
using ControllerViewTest = ControllerTest;
const Floats s_identity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

void expectNear(const Floats& actual, const Floats& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-5f) << "element " << i;
    }
}

void expectMatrix(GLenum which, const Floats& expected) {
    expectNear(floats(which, 16), expected);
}

// The scale and translation elements of the projection, as glOrtho sets them.
void expectOrtho(float l, float r, float b, float t, float n, float f) {
    const Floats m = floats(GL_PROJECTION_MATRIX, 16);
    expectNear({m[0], m[5], m[10], m[12], m[13], m[14]},
               {2 / (r - l), 2 / (t - b), -2 / (f - n), -(r + l) / (r - l), -(t + b) / (t - b),
                -(f + n) / (f - n)});
}

Render::ViewData perspectiveRecord(float fov, float scaleX, int height) {
    return {1.0f, 100.0f, fov, -1, -1, 64, height, scaleX, 0.0f, -1, true};
}

TEST_F(ControllerViewTest, AbilitiesAreProbedUnlessForcedAndUnknownIdsReadMinusOne) {
    // This platform offers every feature with its entry points.
    for (int id = Render::HAVE_SHADERS; id <= Render::HAVE_FLOAT_TEX; ++id) {
        EXPECT_EQ(m_controller.getAbility(id), 1) << "ability " << id;
    }
    EXPECT_EQ(m_controller.getAbility(Render::MAX_TEXTURE_SIZE_3D),
              integer(GL_MAX_3D_TEXTURE_SIZE));
    EXPECT_EQ(m_controller.getAbility(Render::MAX_PBO_SIZE), integer(GL_MAX_RENDERBUFFER_SIZE_EXT));
    for (const int id : {13, -1, int{Render::HAVE_VBOS}, int{Render::MAX_TEXTURE_SIZE_2D}}) {
        m_controller.setAbility(id, 7);
    }
    EXPECT_EQ(m_controller.getAbility(13), -1);
    EXPECT_EQ(m_controller.getAbility(-1), -1);
    EXPECT_EQ(m_controller.getAbility(Render::HAVE_VBOS), 7);
    EXPECT_EQ(m_controller.getAbility(Render::MAX_TEXTURE_SIZE_2D), 7);
    EXPECT_EQ(m_controller.getAbility(Render::HAVE_FBOS), 1);
}

TEST_F(ControllerViewTest, OrthographicRecordsScaleTheExtentAndKeepRecordsUseNearMinusOne) {
    glEnable(GL_DEPTH_TEST);
    m_controller.setViewData(orthoRecord(100, 50, 2.0f));
    EXPECT_EQ(integers(GL_VIEWPORT, 4), (std::vector<GLint>{0, 0, 100, 50}));
    expectOrtho(-100, 200, -50, 100, -1, 1);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_PROJECTION);

    Render::ViewData first = orthoRecord(40, 20, 1.0f);
    first.near = 0.5f;
    first.far = 10.0f;
    m_controller.setViewData(first);
    glViewport(1, 2, 3, 4);
    m_controller.setViewData({0, 0, 0, -1, -1, 0, 0, 0, 0, -1, false});
    EXPECT_EQ(integers(GL_VIEWPORT, 4), (std::vector<GLint>{1, 2, 3, 4}));
    expectOrtho(0, 40, 0, 20, -1, 10);
    EXPECT_EQ(m_controller.getViewData().near, 0.5f);
    EXPECT_EQ(m_controller.getViewData().vsync, 0);
}

TEST_F(ControllerViewTest, UnusablePerspectiveLeavesTheProjectionAlone) {
    m_controller.setViewData(perspectiveRecord(45.0f, 2.0f, 32));
    const Floats before = floats(GL_PROJECTION_MATRIX, 16);
    // A 90 degree field of view: cot(45) = 1, divided by the aspect ratio of 2 for x.
    EXPECT_NEAR(before[5], 1.0f, 1e-5f);
    EXPECT_NEAR(before[0], 0.5f, 1e-5f);
    EXPECT_NEAR(before[10], -101.0f / 99.0f, 1e-5f);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    // The last field of view is scaled past 180 degrees.
    const float unusable[][2] = {{180, 1}, {-30, 1}, {std::nanf(""), 1}, {100, 2}};
    for (const auto& [fov, scaleX] : unusable) {
        m_controller.setViewData(perspectiveRecord(fov, scaleX, 64));
        EXPECT_EQ(floats(GL_PROJECTION_MATRIX, 16), before) << fov << " x " << scaleX;
    }
    OGL::Controller unsized(perspectiveRecord(60.0f, 1.0f, 0));
    unsized.setViewData(perspectiveRecord(60.0f, 1.0f, 0));
    EXPECT_EQ(floats(GL_PROJECTION_MATRIX, 16), before);
}

TEST_F(ControllerViewTest, PopRestoresPushedFieldsExceptKeepValues) {
    m_controller.setViewData(orthoRecord(40, 20, 1.0f));
    m_controller.pushViewData();
    m_controller.setViewData(orthoRecord(30, 10, 2.0f));
    m_controller.popViewData();
    EXPECT_EQ(integers(GL_VIEWPORT, 4), (std::vector<GLint>{0, 0, 40, 20}));
    expectOrtho(0, 40, 0, 20, -1, 1);
    glLoadIdentity();
    m_controller.popViewData();
    expectMatrix(GL_PROJECTION_MATRIX, s_identity);

    OGL::Controller fresh(Render::ViewData{});
    fresh.pushViewData();
    fresh.setViewData(orthoRecord(30, 10, 2.0f));
    fresh.popViewData();
    EXPECT_EQ(fresh.getViewData().width, 30);
    EXPECT_EQ(fresh.getViewData().scaleX, 2.0f);
    EXPECT_TRUE(fresh.getViewData().perspective);
}

TEST_F(ControllerViewTest, CameraSetsTheModelViewAndPopRestoresIt) {
    // The initial camera looks down +z: a half turn about y.
    m_controller.setCamera(m_controller.getCamera());
    expectMatrix(GL_MODELVIEW_MATRIX, {-1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1});
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
    m_controller.setCamera({{3, 4, 5}, {0, 0, -1}, {0, 1, 0}, {9, 9, 9}});
    m_controller.pushCamera();
    m_controller.setCamera({{0, 0, 0}, {0, 0, -1}, {0, 1, 0}, {1, 1, 1}});
    expectMatrix(GL_MODELVIEW_MATRIX, s_identity);
    m_controller.popCamera();
    EXPECT_EQ(m_controller.getCamera().position.x, 3.0f);
    expectMatrix(GL_MODELVIEW_MATRIX, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, -3, -4, -5, 1});
    glLoadIdentity();
    m_controller.popCamera();
    expectMatrix(GL_MODELVIEW_MATRIX, s_identity);
}

TEST_F(ControllerViewTest, InitCullsBackFacesButLeavesTheConstructionRecordUnapplied) {
    glEnable(GL_LIGHTING);
    OGL::Controller controller(orthoRecord(10, 10, 1.0f));
    controller.init();
    EXPECT_EQ(controller.getViewData().width, 10);
    EXPECT_EQ(integers(GL_VIEWPORT, 4), (std::vector<GLint>{0, 0, 64, 64}));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_EQ(integer(GL_FRONT_FACE), GL_CCW);
    EXPECT_EQ(integer(GL_CULL_FACE_MODE), GL_BACK);
}

TEST_F(ControllerViewTest, ProjectAndPickRayUseTheCurrentMatricesAndCamera) {
    setWindowView();
    const MathStuff::Vector3<float> w = m_controller.projectPoint({10, 20, 0});
    expectNear({w.x, w.y, w.z}, {10.0f, 20.0f, 0.5f});
    m_controller.setCamera({{1, 2, 0}, {0, 0, -1}, {0, 1, 0}, {1, 1, 1}});
    const MathStuff::Vector3<float> ray = m_controller.getPickRay(10, 20);
    // Orthographic: near and far share x and y, so only the depth span of 2 remains (the
    // far plane lies at -1 in eye space), less the camera position.
    expectNear({ray.x, ray.y, ray.z}, {-1.0f, -2.0f, -2.0f});
}

} // namespace
