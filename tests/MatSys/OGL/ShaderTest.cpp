#include "MatSysGLTest.h"

#include "MatSys/OGL/Shader.h"
#include "MatSys/OGL/ShaderProgram.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using ShaderTest = MatSysGLTest;

const std::vector<std::string> VERTEX{"void main() { gl_Position = ftransform(); }\n"};

// The log holds this compile's message alone, whatever it held before: none for a shader that
// compiles now, nor for one compiled before.
TEST_F(ShaderTest, CompileReplacesTheLogItIsGiven) {
    MatSys::OGL::Shader shader(GL_VERTEX_SHADER, VERTEX);
    for (const char* what : {"compiled now", "compiled before"}) {
        std::string log = "text of an earlier call";
        EXPECT_TRUE(shader.compile(log)) << what;
        EXPECT_EQ(log, "") << what;
    }
}

// Deleting a program detaches its shaders, so the shader's own delete then frees it at once.
TEST_F(ShaderTest, DestroyingAProgramOrShaderDeletesItsGLObject) {
    auto shader = std::make_unique<MatSys::OGL::Shader>(GL_VERTEX_SHADER, VERTEX);
    auto program = std::make_unique<MatSys::OGL::ShaderProgram>();
    std::string log;
    ASSERT_TRUE(shader->compile(log) && program->link({shader.get()}, log)) << log;
    const GLuint shaderId = shader->getID();
    const GLuint programId = program->getID();
    program.reset();
    EXPECT_FALSE(glIsProgram(programId));
    shader.reset();
    EXPECT_FALSE(glIsShader(shaderId));
}

} // namespace
