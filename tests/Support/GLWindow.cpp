#include "Support/GLWindow.h"

#include <GL/glew.h>

#include <GLFW/glfw3.h>

#include <dlfcn.h>
#include <stdexcept>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#define KESSOK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESSOK_ASAN 1
#endif
#endif

namespace TestSupport {

namespace {

// Mesa unloads its software driver inside glfwTerminate, after which LeakSanitizer can no
// longer scan the driver's globals and reports their allocations as leaks. Loading the
// driver once more, never to be unloaded, keeps it mapped until the process ends.
void keepDriverLoaded() {
#if defined(KESSOK_ASAN)
    static void* const l_driver = dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so",
                                         RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    (void)l_driver;
#endif
}

} // namespace

GLWindow::GLWindow(int width, int height) {
    keepDriverLoaded();
    if (glfwInit() != GLFW_TRUE) {
        throw std::runtime_error("glfwInit failed");
    }
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    glfwWindowHint(GLFW_DEPTH_BITS, 24);
    glfwWindowHint(GLFW_STENCIL_BITS, 8);
    m_window = glfwCreateWindow(width, height, "test", nullptr, nullptr);
    if (m_window == nullptr) {
        glfwTerminate();
        throw std::runtime_error("glfwCreateWindow failed");
    }
    glfwMakeContextCurrent(m_window);
    glewExperimental = GL_TRUE;
    const GLenum status = glewInit();
    if (status != GLEW_OK) {
        glfwTerminate();
        throw std::runtime_error("glewInit failed: " + std::string(reinterpret_cast<const char*>(
                                                           glewGetErrorString(status))));
    }
    // glewInit may leave an error behind from probing the context.
    while (glGetError() != GL_NO_ERROR) {
    }
    glViewport(0, 0, width, height);
}

GLWindow::~GLWindow() {
    glfwDestroyWindow(m_window);
    glfwTerminate();
}

std::array<unsigned char, 4> GLWindow::pixel(int x, int y) {
    std::array<unsigned char, 4> rgba{};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

} // namespace TestSupport
