#include "ControllerFixture.h"

#include <cmath>
#include <functional>
#include <memory>

namespace {

using Floats = std::vector<GLfloat>;
using ControllerViewTest = ControllerTest;
const Floats s_identity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

void expectNear(const Floats& actual, const Floats& expected, float tolerance = 1e-5f) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "element " << i;
    }
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
    for (const int id : {13, -1, int{Render::HAVE_VBOS}}) {
        m_controller.setAbility(id, 7);
    }
    EXPECT_EQ(m_controller.getAbility(13), -1);
    EXPECT_EQ(m_controller.getAbility(-1), -1);
    EXPECT_EQ(m_controller.getAbility(Render::HAVE_VBOS), 7);
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

TEST_F(ControllerViewTest, PerspectiveScalesTheFieldOfViewAndUnusableOnesLeaveTheProjection) {
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

TEST_F(ControllerViewTest, PopSetsThePushedRecordAgain) {
    m_controller.setViewData(orthoRecord(40, 20, 1.0f));
    m_controller.pushViewData();
    m_controller.setViewData(orthoRecord(30, 10, 2.0f));
    m_controller.popViewData();
    EXPECT_EQ(integers(GL_VIEWPORT, 4), (std::vector<GLint>{0, 0, 40, 20}));
    expectOrtho(0, 40, 0, 20, -1, 1);
    // An empty stack changes nothing.
    glLoadIdentity();
    m_controller.popViewData();
    expectNear(floats(GL_PROJECTION_MATRIX, 16), s_identity);
}

TEST_F(ControllerViewTest, CameraSetsTheModelViewAndPopRestoresIt) {
    // The initial camera looks down +z: a half turn about y.
    m_controller.setCamera(m_controller.getCamera());
    expectNear(floats(GL_MODELVIEW_MATRIX, 16), {-1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1});
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
    m_controller.setCamera({{3, 4, 5}, {0, 0, -1}, {0, 1, 0}, {9, 9, 9}});
    m_controller.pushCamera();
    m_controller.setCamera({{0, 0, 0}, {0, 0, -1}, {0, 1, 0}, {1, 1, 1}});
    expectNear(floats(GL_MODELVIEW_MATRIX, 16), s_identity);
    m_controller.popCamera();
    EXPECT_EQ(m_controller.getCamera().position.x, 3.0f);
    expectNear(floats(GL_MODELVIEW_MATRIX, 16),
               {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, -3, -4, -5, 1});
    glLoadIdentity();
    m_controller.popCamera();
    expectNear(floats(GL_MODELVIEW_MATRIX, 16), s_identity);
}

// The side axis is direction x up, each product rounded before the two are taken apart: a
// fused multiply-add would give 0.00999999326 or 0.00999999419 for its z.
TEST_F(ControllerViewTest, CameraSideAxisIsTheCrossProductOfRoundedProducts) {
    m_controller.setCamera({{0, 0, 0}, {0.1f, 0.4f, -0.7f}, {0.2f, 0.9f, 0.2f}, {1, 1, 1}});
    const Floats m = floats(GL_MODELVIEW_MATRIX, 16);
    EXPECT_EQ((Floats{m[0], m[4], m[8]}), (Floats{0.709999979f, -0.159999996f, 0.00999999046f}));
}

TEST_F(ControllerViewTest, InitLeavesTheConstructionRecordUnapplied) {
    OGL::Controller controller(orthoRecord(10, 10, 1.0f));
    controller.init();
    EXPECT_EQ(controller.getViewData().width, 10);
    EXPECT_EQ(integers(GL_VIEWPORT, 4), (std::vector<GLint>{0, 0, 64, 64}));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
}

TEST_F(ControllerViewTest, ProjectAndPickRayUseTheCurrentMatricesAndCamera) {
    setWindowView();
    const MathStuff::Vector3<float> w = m_controller.projectPoint({10, 20, 0});
    expectNear({w.x, w.y, w.z}, {10.0f, 20.0f, 0.5f});
    // A 90 degree view: the window point halfway to the upper right corner lies at (0.5,
    // 0.5, -1) on the near plane and (50, 50, -100) on the far plane. The ray's y comes
    // out negated, and the camera position is taken off.
    m_controller.setViewData(perspectiveRecord(90.0f, 1.0f, 64));
    m_controller.setCamera({{1, 2, 0}, {0, 0, -1}, {0, 1, 0}, {1, 1, 1}});
    const MathStuff::Vector3<float> ray = m_controller.getPickRay(48, 48);
    expectNear({ray.x, ray.y, ray.z}, {48.5f, -51.5f, -99.0f}, 1e-3f);
}

// A caller's state unlike GL's defaults and unlike what the calls set, where a call that
// resets a reading would show; the matrix mode is the texture's.
void setCallerState() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glScalef(2, 3, 4);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(1, 2, 3);
    glMatrixMode(GL_TEXTURE);
    glViewport(3, 4, 16, 16);
    glDepthRange(0.25, 0.75);
    for (const GLenum on : std::initializer_list<GLenum>{GL_DEPTH_TEST, GL_STENCIL_TEST, GL_BLEND,
                                                         GL_ALPHA_TEST, GL_FOG, GL_LIGHTING}) {
        glEnable(on);
    }
    glDisable(GL_CULL_FACE);
    glStencilFunc(GL_LESS, 5, 15);
    glStencilOp(GL_INCR, GL_DECR, GL_INVERT);
    glClearStencil(3);
    glFrontFace(GL_CW);
    glCullFace(GL_FRONT);
}

// A call on the controller c, named by its text.
#define CALL(call) #call, [&](auto& c) { call; }

TEST_F(ControllerViewTest, EachCallSetsOnlyItsOwnStateAndLeavesTheCallersRest) {
    std::vector<unsigned char> pixels(16);
    constexpr GLdouble ALL = 4294967295.0;
    // A call and the readings it sets, each to the values given or, where none are, to any.
    const std::tuple<const char*, std::function<void(OGL::Controller&)>, GLState> ROWS[] = {
        {CALL(c.showScreen(pixels.data(), 40, 30, 2, 2)), {}},
        {CALL(c.copyScreen(pixels.data(), 40, 30, 2, 2)), {}},
        {CALL(c.blit(0, 0, 8, 8, 16, 16, 24, 24)), {}},
        {CALL(c.drawArrays(Render::RT_QUADS, 0, 4)), {}},
        {CALL(c.drawElements(Render::RT_QUADS, 4, nullptr)), {}},
        {CALL(c.setClipping(true, 2)),
         {{"stencil", {1, GL_EQUAL, 2, ALL, GL_KEEP, GL_KEEP, GL_KEEP}}}},
        {CALL(c.setClipping(true, -3)),
         {{"stencil", {1, GL_NOTEQUAL, 2, ALL, GL_KEEP, GL_KEEP, GL_KEEP}}}},
        {CALL(c.setClipping(false, 1)),
         {{"stencil", {0, GL_LESS, 5, 15, GL_INCR, GL_DECR, GL_INVERT}}}},
        {CALL(c.beginClipDraw(true)),
         {{"stencil", {1, GL_NEVER, 0, 0, GL_INCR, GL_INCR, GL_INCR}}, {"stencil clear", {0}}}},
        {CALL(c.beginClipDraw(false)),
         {{"stencil", {1, GL_NEVER, 0, 0, GL_INCR, GL_INCR, GL_INCR}}}},
        {CALL(c.endClipDraw()), {{"stencil", {0, GL_LESS, 5, 15, GL_KEEP, GL_KEEP, GL_KEEP}}}},
        {CALL(c.setViewData(perspectiveRecord(60, 1, 32))),
         {{"matrix mode", {GL_PROJECTION}}, {"projection", {}}, {"viewport", {0, 0, 64, 32}}}},
        {CALL(c.setViewData({})), {{"matrix mode", {GL_PROJECTION}}}},
        {CALL(c.setViewData({0, 0, 0, 5, 6, 0, 0, 0, 0, -1, false})),
         {{"matrix mode", {GL_PROJECTION}},
          {"projection", {}},
          {"viewport", {5, 6, 40, 20}},
          {"depth test", {0}}}},
        {CALL(c.pushViewData(); c.popViewData()),
         {{"matrix mode", {GL_PROJECTION}},
          {"projection", {}},
          {"viewport", {0, 0, 40, 20}},
          {"depth test", {0}}}},
        {CALL(c.pushCamera(); c.popCamera()),
         {{"matrix mode", {GL_MODELVIEW}}, {"model-view", {}}}},
        {CALL(c.init()), {{"cull face", {1}}, {"lighting", {0}}, {"faces", {GL_CCW, GL_BACK}}}},
        {CALL(c.doClear({255, 51, 0, 255})), {{"clear colour", {1, 0.2f, 0, 1}}}},
        {CALL(c.setCulling(true)), {{"cull face", {1}}}},
        {CALL(c.setBlending(false)), {{"blend", {0}}, {"alpha test", {0}}}},
        {CALL(c.setDepthTest(false)), {{"depth test", {0}}}},
        {CALL(c.setDepthMask(false)), {{"depth mask", {0}}}},
        {CALL(c.setColorMask(false)), {{"colour mask", {0, 0, 0, 0}}}},
        {CALL(c.setAlphaTest(false)), {{"alpha test", {0}}}},
        {CALL(c.setFog(false)), {{"fog", {0}}}},
        {CALL(c.setFogParams(50, 200, {255, 51, 0, 255})),
         {{"fog params", {0.5, 2, GL_LINEAR}}, {"fog colour", {1, 0.2f, 0, 1}}}}};
    // One level of the caller's on both matrix stacks, objects bound, indices for drawElements,
    // and a read framebuffer without attachments, where blit and copyScreen raise errors.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    const GLuint indices[] = {0, 1, 2, 3};
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 8);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, sizeof(indices), indices, GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 7);
    glBindTexture(GL_TEXTURE_2D, 9);
    glBindRenderbuffer(GL_RENDERBUFFER, 10);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 11);
    for (const auto& [call, run, sets] : ROWS) {
        setCallerState();
        GLState expected = sets;
        expected.merge(glState());
        OGL::Controller controller(orthoRecord(40, 20, 1.0f));
        run(controller);
        for (const auto& [name, values] : glState()) {
            if (!expected[name].empty()) {
                EXPECT_EQ(values, expected[name]) << call << ": " << name;
            }
        }
    }
}
#undef CALL

class ControllerDrawingTest : public ControllerTest {
protected:
    void SetUp() override {
        setWindowView();
        m_controller.setColor({255, 255, 255, 255});
    }

    // A vertex array of 2D positions, bound for drawing.
    void bindPositions(const std::vector<float>& xy) {
        const int size = static_cast<int>(xy.size() * sizeof(float));
        m_array.reset(m_controller.createVertexArray(size, false));
        m_array->defineVertexInfo(2, Render::I_VertexArray::VA_FLOAT);
        m_array->putData(xy.data(), size, 0);
        m_array->beginUsing();
    }

    // Draws white through the clipping reference; says which of the pixels under no, one
    // and two clip shapes it reached.
    std::vector<bool> drawClipped(int ref) {
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
    m_controller.setColor({255, 255, 255, 200});
    drawRect(0, 0, 32, 64);
    m_controller.setColor({255, 255, 255, 50});
    drawRect(32, 0, 64, 64);
    EXPECT_EQ(pixel(10, 10)[1], 0);
    EXPECT_EQ(pixel(50, 10)[1], 255);
    m_controller.setAlphaFunc(0.5f, true);
    drawRect(0, 0, 64, 64);
    EXPECT_EQ(pixel(10, 10)[1], 0);
}

TEST_F(ControllerDrawingTest, FogRangeIsAPercentageOfTheFarDistance) {
    m_controller.setViewData({0, 200.0f, 0, -1, -1, 0, 0, 0, 0, -1, false});
    m_controller.setFogParams(50.0f, 100.0f, {255, 0, 51, 255});
    EXPECT_EQ(floats(GL_FOG_START, 1), std::vector<GLfloat>{100.0f});
    EXPECT_EQ(floats(GL_FOG_END, 1), std::vector<GLfloat>{200.0f});
}

TEST_F(ControllerDrawingTest, ColourMaskAndDepthTestDecideWhatIsWritten) {
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
}

TEST_F(ControllerDrawingTest, DrawsFromEitherArrayKindAndNothingForNoCountOrUnknownKind) {
    for (const int vbos : {1, 0}) {
        SCOPED_TRACE(vbos != 0 ? "buffer object" : "client memory");
        m_controller.setAbility(Render::HAVE_VBOS, vbos);
        m_controller.doClear({0, 0, 0, 255});
        // The first of the two squares: the check falls outside its first triangle.
        bindPositions({0, 0, 1, 0, 1, 1, 0, 1, 30, 30, 40, 30, 40, 40, 30, 40});
        m_controller.drawArrays(Render::RT_QUADS, 4, 4);
        EXPECT_EQ(pixel(32, 38), s_white);
        EXPECT_EQ(pixel(45, 45), s_black);
    }
    m_controller.doClear({0, 0, 0, 255});
    bindPositions({0, 0, 64, 0, 64, 64, 0, 64});
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

TEST_F(ControllerDrawingTest,
       ShowScreenLandsOnTheWindowPixelAndRestoresStateAndCopyScreenReadsItBack) {
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
