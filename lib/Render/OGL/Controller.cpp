#include "Render/OGL/Controller.h"

#include "MathStuff/Matrix4x4.h"
#include "OGL/Extensions.h"
#include "Render/OGL/RenderQueue.h"
#include "Render/OGL/SwapInterval.h"
#include "Render/OGL/VertexBufferObject.h"

#include <GL/glew.h>

#include <GL/glu.h>

namespace OGL {

namespace {

int queryInteger(GLenum name) {
    // Stays 0 when the context does not know the query.
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

int probeAbility(int id) {
    switch (id) {
    case Render::HAVE_SHADERS:
        return shadersAvailable() ? 1 : 0;
    case Render::HAVE_NPOT_TEXTURES:
        return GLEW_ARB_texture_non_power_of_two ? 1 : 0;
    case Render::HAVE_RTT:
    case Render::HAVE_FBOS:
        return framebuffersAvailable() ? 1 : 0;
    case Render::HAVE_VBOS:
        return VertexBufferObject::VBOsSupported() ? 1 : 0;
    case Render::HAVE_PBOS:
        return GLEW_EXT_pixel_buffer_object ? 1 : 0;
    case Render::HAVE_FRAME_BLIT:
        return framebufferBlitAvailable() ? 1 : 0;
    case Render::HAVE_FLOAT_TEX:
        return GLEW_ARB_texture_float ? 1 : 0;
    case Render::MAX_TEXTURE_SIZE_2D:
        return queryInteger(GL_MAX_TEXTURE_SIZE);
    case Render::MAX_TEXTURE_SIZE_3D:
        return queryInteger(GL_MAX_3D_TEXTURE_SIZE);
    default:
        return queryInteger(GL_MAX_RENDERBUFFER_SIZE_EXT);
    }
}

// Sets the top entry again before removing it; an empty stack changes nothing.
template <typename T, typename Apply>
void popAndApply(std::deque<T>& stack, Apply apply) {
    if (!stack.empty()) {
        apply(stack.back());
        stack.pop_back();
    }
}

bool knownAbility(int id) {
    return id >= 0 && id < Render::RENDER_ABILITY_COUNT;
}

struct GLView {
    GLdouble modelView[16];
    GLdouble projection[16];
    GLint viewport[4];
};

GLView readView() {
    GLView view;
    glGetDoublev(GL_MODELVIEW_MATRIX, view.modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, view.projection);
    glGetIntegerv(GL_VIEWPORT, view.viewport);
    return view;
}

MathStuff::Vector3<double> unProject(const GLView& view, int x, int y, double depth) {
    MathStuff::Vector3<double> p{};
    gluUnProject(x, y, depth, view.modelView, view.projection, view.viewport, &p.x, &p.y, &p.z);
    return p;
}

} // namespace

Controller::Controller(const Render::ViewData& data)
    : m_viewData(data), m_renderQueue(std::make_unique<RenderQueue>()), m_camera{{0, 0, 0},
                                                                                 {0, 0, 1},
                                                                                 {0, 1, 0},
                                                                                 {1, 1, 1}} {}

Controller::~Controller() = default;

int Controller::getAbility(int id) const {
    if (!knownAbility(id)) {
        return -1;
    }
    return m_overridden[id] ? m_overrides[id] : probeAbility(id);
}

void Controller::setAbility(int id, int value) {
    if (knownAbility(id)) {
        m_overridden[id] = true;
        m_overrides[id] = value;
    }
}

void Controller::init() {
    setVsync();
    glFrontFace(GL_CCW);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
}

void Controller::setVsync() {
    setSwapInterval(m_viewData.vsync != 0 ? 1 : 0);
}

void Controller::setViewport() const {
    glViewport(m_viewData.x, m_viewData.y, m_viewData.width, m_viewData.height);
}

void Controller::setViewData(const Render::ViewData& data) {
    for (auto field : {&Render::ViewData::fov, &Render::ViewData::near, &Render::ViewData::far,
                       &Render::ViewData::scaleX, &Render::ViewData::scaleY}) {
        if (data.*field != 0.0f) {
            m_viewData.*field = data.*field;
        }
    }
    bool viewportChanged = false;
    for (auto field : {&Render::ViewData::x, &Render::ViewData::y}) {
        if (data.*field != -1) {
            m_viewData.*field = data.*field;
            viewportChanged = true;
        }
    }
    for (auto field : {&Render::ViewData::width, &Render::ViewData::height}) {
        if (data.*field != 0) {
            m_viewData.*field = data.*field;
            viewportChanged = true;
        }
    }
    if (data.vsync != -1) {
        m_viewData.vsync = data.vsync;
        setVsync();
    }
    if (viewportChanged) {
        setViewport();
    }
    m_viewData.perspective = data.perspective;
    if (m_viewData.perspective) {
        loadPerspective();
    } else {
        // The orthographic near plane comes from the record given, not the current one.
        loadOrthographic(data.near != 0.0f ? data.near : -1.0f);
    }
}

void Controller::loadPerspective() const {
    glMatrixMode(GL_PROJECTION);
    const double fovY = static_cast<double>(m_viewData.fov) * m_viewData.scaleX;
    // Outside these bounds the matrix would fill with infinities and NaNs.
    if (m_viewData.height != 0 && fovY > 0.0 && fovY < 180.0) {
        glLoadIdentity();
        gluPerspective(fovY, static_cast<double>(m_viewData.width) / m_viewData.height,
                       m_viewData.near, m_viewData.far);
    }
    glEnable(GL_DEPTH_TEST);
}

void Controller::loadOrthographic(float zNear) const {
    const float width = static_cast<float>(m_viewData.width);
    const float height = static_cast<float>(m_viewData.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(width - width * m_viewData.scaleX, width * m_viewData.scaleX,
            height - height * m_viewData.scaleY, height * m_viewData.scaleY, zNear, m_viewData.far);
    glDisable(GL_DEPTH_TEST);
}

const Render::ViewData& Controller::getViewData() const {
    return m_viewData;
}

void Controller::pushViewData() {
    m_viewStack.push_back(m_viewData);
}

void Controller::popViewData() {
    popAndApply(m_viewStack, [this](const Render::ViewData& data) { setViewData(data); });
}

void Controller::setCamera(const MathStuff::Orientation<float>& camera) {
    m_camera = camera;
    const MathStuff::Vector3<float>& d = camera.direction;
    const MathStuff::Vector3<float>& u = camera.up;
    const MathStuff::Vector3<float> s = MathStuff::cross(d, u);
    MathStuff::Matrix4x4<float> view;
    const float rows[3][3] = {{s.x, s.y, s.z}, {u.x, u.y, u.z}, {-d.x, -d.y, -d.z}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            view.m[column * 4 + row] = rows[row][column];
        }
    }
    view.m[15] = 1.0f;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glMultMatrixf(view.m);
    glTranslatef(-camera.position.x, -camera.position.y, -camera.position.z);
}

const MathStuff::Orientation<float>& Controller::getCamera() const {
    return m_camera;
}

void Controller::pushCamera() {
    m_cameraStack.push_back(m_camera);
}

void Controller::popCamera() {
    popAndApply(m_cameraStack,
                [this](const MathStuff::Orientation<float>& camera) { setCamera(camera); });
}

MathStuff::Vector3<float> Controller::projectPoint(MathStuff::Vector3<float> p) const {
    const GLView view = readView();
    MathStuff::Vector3<double> w{};
    gluProject(p.x, p.y, p.z, view.modelView, view.projection, view.viewport, &w.x, &w.y, &w.z);
    return {static_cast<float>(w.x), static_cast<float>(w.y), static_cast<float>(w.z)};
}

MathStuff::Vector3<float> Controller::getPickRay(int x, int y) const {
    const GLView view = readView();
    const MathStuff::Vector3<double> n = unProject(view, x, y, 0.0);
    const MathStuff::Vector3<double> f = unProject(view, x, y, 1.0);
    const MathStuff::Vector3<float>& c = m_camera.position;
    // Callers pass the cursor's y, counted from the top, which gluUnProject reads as counted
    // from the bottom. Negating the y difference turns that mirrored ray back toward the
    // cursor for a camera whose up is the world's y axis; x and z need no turning.
    return {static_cast<float>(f.x - n.x) - c.x, -static_cast<float>(f.y - n.y) - c.y,
            static_cast<float>(f.z - n.z) - c.z};
}

Render::I_RenderQueue* Controller::getRenderQueue() {
    return m_renderQueue.get();
}

} // namespace OGL
