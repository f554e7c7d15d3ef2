#include "Support/GLTest.h"

namespace TestSupport {

GLTest::GLTest() : m_window(s_width, s_height) {}

} // namespace TestSupport
