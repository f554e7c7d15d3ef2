#include "Render/OGL/SwapInterval.h"

#include <GLFW/glfw3.h>

namespace OGL {

void setSwapInterval(int interval) {
    // GLFW picks the platform's swap-control extension for the current context; asked
    // without one it would only report an error through its callback.
    if (glfwGetCurrentContext() != nullptr) {
        glfwSwapInterval(interval);
    }
}

} // namespace OGL
