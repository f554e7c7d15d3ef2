#include "MatSysGLTest.h"

#include "CFG/GlobalConfig.h"
#include "MatSys/DefinitionFiles.h"
#include "MatSys/I_ShaderProgram.h"
#include "MatSys/OGL/ShaderMaker.h"
#include "MatSys/OGL/ShaderProgram.h"
#include "MatSys/OGL/ShaderProgramMaker.h"
#include "MatSys/ShaderParams.h"
#include "MatSys/ShaderStore.h"
#include "Support/MatSysFakes.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using ProgramPtr = std::unique_ptr<MatSys::I_ShaderProgram>;
using Floats = std::vector<float>;
using MatSysFakes::paramsOf;

const std::string s_longName(120, 'u');

class ShaderProgramTest : public MatSysGLTest {
protected:
    ShaderProgramTest() {
        m_dir.write("plain.VS.glsl", "void main() { gl_Position = ftransform(); }\n");
        m_dir.write("attrs.VS.glsl", "attribute vec4 pos_vtx;\nattribute vec2 uv_texcoord;\n"
                                     "attribute vec4 col_clr;\nattribute float normal_atr0;\n"
                                     "void main() { gl_Position = pos_vtx + col_clr + "
                                     "vec4(uv_texcoord, normal_atr0, 0.0) + gl_Vertex; }\n");
        m_dir.write("bad.VS.glsl", "attribute vec4 ::NAME::;\n"
                                   "void main() { gl_Position = ::NAME::; }\n");
        m_dir.write("lit.FS.glsl",
                    "uniform vec4 tint;\nuniform float gain;\nuniform vec3 offs[2];\n"
                    "uniform sampler2D tex;\nuniform float " +
                        s_longName +
                        ";\nvoid main() { gl_FragColor = tint * gain + vec4(offs[0] + offs[1], "
                        "0.0) + texture2D(tex, vec2(0.0)) * " +
                        s_longName + "; }\n");
        m_dir.write("lit.prg", "lit_SHADERS == plain.VS.glsl lit.FS.glsl\n"
                               "lit_PARAMS == \"\n  tint:4f=1,2,3,4\n\n  gain : 1f = 0.5\n\"\n");
    }

    ProgramPtr make(const std::string& name, const MatSys::ShaderParams& params = {}) {
        return ProgramPtr(m_programs.create(name, params));
    }

    static Floats uniform(const MatSys::I_ShaderProgram& program, const std::string& name,
                          std::size_t count) {
        Floats values(count);
        glGetUniformfv(program.getID(), glGetUniformLocation(program.getID(), name.c_str()),
                       values.data());
        return values;
    }

    MatSys::DefinitionFiles m_files;
    MatSys::OGL::ShaderMaker m_shaderMaker{m_dir.path(), m_files};
    MatSys::ShaderStore m_shaders{&m_shaderMaker};
    MatSys::OGL::ShaderProgramMaker m_programs{&m_shaders, m_dir.path(), m_files};
};

TEST_F(ShaderProgramTest, AttributesAreBoundByNameSuffixAndUnknownOnesFailTheLink) {
    m_dir.write("attrs.prg", "attrs_SHADERS == attrs.VS.glsl lit.FS.glsl\n");
    const ProgramPtr program = make("attrs.prg");
    ASSERT_NE(program, nullptr);
    const GLuint id = program->getID();
    EXPECT_EQ(glGetAttribLocation(id, "col_clr"), 2);
    EXPECT_EQ(glGetAttribLocation(id, "normal_atr0"), 3);
    glUseProgram(id);
    CFG::global()->add("NAME", "weight_atr4");
    EXPECT_EQ(make("bad.VS.glsl"), nullptr);
    EXPECT_EQ(integer(GL_CURRENT_PROGRAM), 0);
    EXPECT_EQ(make("sky"), nullptr);
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
    EXPECT_NE(make("plain.VS.glsl"), nullptr);
}

// A definition makes the shaders it lists, and the one named like its program joins them.
TEST_F(ShaderProgramTest, ADefinitionMakesItsListedShadersAndTheOneNamedLikeItsProgram) {
    m_dir.write("main.FS.prg",
                "main.FS_SHADERS == plain.VS.glsl red.FS\n"
                "red.FS_CODE == vec4 red() { return vec4(1, 0, 0, 1); }\n"
                "main.FS_CODE == vec4 red(); void main() { gl_FragColor = red(); }\n");
    const ProgramPtr program = make("main.FS.prg");
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(integer(GL_CURRENT_PROGRAM), 0);
    program->beginUsing(nullptr);
    drawQuad();
    EXPECT_EQ(pixel(0, 0), s_red);
    // Without red.FS, main.FS does not link, also where it is attached twice, which GL refuses.
    m_dir.write("twice.prg", "twice_SHADERS == main.FS main.FS\n");
    for (const char* const name : {"main.FS", "twice.prg"}) {
        EXPECT_EQ(make(name), nullptr) << name;
        EXPECT_EQ(glGetError(), GL_NO_ERROR) << name;
    }
}

TEST_F(ShaderProgramTest, OwnParametersComeFromTheDefinitionAndAreUploadedWhenPending) {
    const ProgramPtr program = make("lit.prg", paramsOf({"gain:1f=9", "offs:3fv=1,2,3,4,5,6",
                                                         "tex:sampler2D=3", s_longName + ":1f=2"}));
    ASSERT_NE(program, nullptr);
    program->beginUsing(nullptr);
    EXPECT_EQ(uniform(*program, "tint", 4), (Floats{1, 2, 3, 4}));
    EXPECT_EQ(uniform(*program, "gain", 1), (Floats{0.5f}));
    EXPECT_EQ(uniform(*program, "offs[1]", 3), (Floats{4, 5, 6}));
    EXPECT_EQ(uniform(*program, s_longName, 1), (Floats{2}));
    GLint unit = 0;
    glGetUniformiv(program->getID(), glGetUniformLocation(program->getID(), "tex"), &unit);
    EXPECT_EQ(unit, 3);
    // Nothing is pending now: a value set behind the program's back stays.
    glUniform1f(glGetUniformLocation(program->getID(), "gain"), 7);
    EXPECT_TRUE(program->beginUsing(nullptr));
    EXPECT_EQ(uniform(*program, "gain", 1), (Floats{7}));
    // A set given is uploaded alone; the own set follows at the next use without one. Names
    // the program lacks are skipped and reported, the others still arrive.
    const MatSys::ShaderParams given = paramsOf({"aaa:1f=1", "gain:1f=3", "zzz:9x=1"});
    EXPECT_FALSE(program->beginUsing(&given));
    EXPECT_EQ(uniform(*program, "gain", 1), (Floats{3}));
    EXPECT_EQ(uniform(*program, "tint", 4), (Floats{1, 2, 3, 4}));
    EXPECT_TRUE(program->beginUsing(nullptr));
    EXPECT_EQ(uniform(*program, "gain", 1), (Floats{0.5f}));
    program->setParams(paramsOf({"gain:1f=4"}));
    program->beginUsing(nullptr);
    EXPECT_EQ(uniform(*program, "gain", 1), (Floats{4}));
    program->endUsing();
    EXPECT_EQ(integer(GL_CURRENT_PROGRAM), 0);
    // Linked again, the program is a new GL object, which receives the own set at once.
    std::string error;
    EXPECT_TRUE(dynamic_cast<MatSys::OGL::ShaderProgram&>(*program).link(
        {m_shaders.get("plain.VS.glsl", false), m_shaders.get("lit.FS.glsl", false)}, error));
    EXPECT_EQ(uniform(*program, "gain", 1), (Floats{4}));
    EXPECT_FALSE(MatSys::OGL::ShaderProgram().beginUsing(nullptr));
}

} // namespace
