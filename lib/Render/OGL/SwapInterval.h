#pragma once

namespace OGL {

// Sets the swap interval (0: swap at once, 1: wait for the display) of the current context.
// The context must be one of GLFW's windows; with no current context nothing happens.
void setSwapInterval(int interval);

} // namespace OGL
