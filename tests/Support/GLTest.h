#pragma once

#include "Support/GLWindow.h"

#include <gtest/gtest.h>

namespace TestSupport {

// Fixture giving each test a fresh 64 x 64 GL window (see GLWindow).
class GLTest : public ::testing::Test {
protected:
    static constexpr int s_width = 64;
    static constexpr int s_height = 64;

    GLTest();

    GLWindow m_window;
};

} // namespace TestSupport
