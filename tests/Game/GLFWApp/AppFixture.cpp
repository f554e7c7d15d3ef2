#include "AppFixture.h"

#include "Support/DriverKeeper.h"

#include <GLFW/glfw3.h>

namespace GLFWAppTest {

AppFixture::AppFixture() {
    TestSupport::keepDriverLoaded();
}

void AppFixture::create(const int width, const int height, const bool fullscreen) {
    // One application at a time: the old one's glfwTerminate would close the new window.
    m_app.reset();
    m_app = std::make_unique<Game::GLFWApp>("GLFWAppTest", width, height, fullscreen, 0x203040ffUL,
                                            true, 1.0f);
}

void AppFixture::open(const int width, const int height, const bool fullscreen) {
    create(width, height, fullscreen);
    ASSERT_TRUE(m_app->initWindowApp());
}

GLFWwindow* AppFixture::window() {
    return glfwGetCurrentContext();
}

std::pair<int, int> AppFixture::windowSize() {
    std::pair<int, int> size;
    glfwGetWindowSize(window(), &size.first, &size.second);
    return size;
}

} // namespace GLFWAppTest
