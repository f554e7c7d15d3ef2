#include "MatSysGLTest.h"

#include "MatSys/OGL/Shader.h"

#include <string>

namespace {

using ShaderTest = MatSysGLTest;

// The log holds this compile's message alone, whatever it held before: none for a shader that
// compiles now, nor for one compiled before.
TEST_F(ShaderTest, CompileReplacesTheLogItIsGiven) {
    MatSys::OGL::Shader shader(GL_VERTEX_SHADER, {"void main() { gl_Position = ftransform(); }\n"});
    for (const char* what : {"compiled now", "compiled before"}) {
        std::string log = "text of an earlier call";
        EXPECT_TRUE(shader.compile(log)) << what;
        EXPECT_EQ(log, "") << what;
    }
}

} // namespace
