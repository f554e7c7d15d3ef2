#pragma once

#include <array>

struct GLFWwindow;

namespace TestSupport {

// A hidden GLFW window of the given size with a 24-bit depth and 8-bit stencil buffer,
// its context current and GLEW initialised; GLFW is terminated with it. Throws
// std::runtime_error when any step fails.
class GLWindow {
public:
    GLWindow(int width, int height);
    ~GLWindow();
    GLWindow(const GLWindow&) = delete;
    GLWindow& operator=(const GLWindow&) = delete;

    GLFWwindow* handle() const { return m_window; }

    // The RGBA bytes of one pixel of the back buffer, y counted from the bottom.
    static std::array<unsigned char, 4> pixel(int x, int y);

private:
    GLFWwindow* m_window = nullptr;
};

} // namespace TestSupport
