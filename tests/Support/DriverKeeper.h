#pragma once

namespace TestSupport {

// Call before glfwInit in a test that creates GL contexts. Under AddressSanitizer it keeps
// Mesa's software driver loaded until the process ends; elsewhere it does nothing.
void keepDriverLoaded();

} // namespace TestSupport
