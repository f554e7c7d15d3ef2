#include "Support/GLWindow.h"

#include "OGL/GLErrors.h"
#include "Support/DriverKeeper.h"

#include <GL/glew.h>

#include <GLFW/glfw3.h>

#include <stdexcept>
#include <string>

namespace TestSupport {

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
    OGL::discardErrors();
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
