#include "MatSysGLTest.h"

#include "CFG/GlobalConfig.h"
#include "MatSys/DefinitionFiles.h"
#include "MatSys/I_Shader.h"
#include "MatSys/OGL/ShaderMaker.h"

#include <memory>

namespace {

using MatSys::OGL::ShaderMaker;
using ShaderPtr = std::unique_ptr<MatSys::I_Shader>;

constexpr const char* s_vertex = "void main() { gl_Position = ftransform(); }\n";

// The kind of the source file NAME.glsl, 0 where it is refused: with the default mappings, and
// after {".FS" vertex, "S" fragment} replaced them (where both end a name, the first counts).
struct KindRow {
    std::string name;
    GLint kind, replacedKind;
};
const KindRow KIND_ROWS[] = {{"lit.VS", GL_VERTEX_SHADER, GL_FRAGMENT_SHADER},
                             {"lit.FS", GL_FRAGMENT_SHADER, GL_VERTEX_SHADER},
                             {".VS", GL_VERTEX_SHADER, GL_FRAGMENT_SHADER},
                             {"lit.VS.x", 0, 0},
                             {"lit.vs", 0, 0},
                             {"lit", 0, 0}};

class ShaderMakerTest : public MatSysGLTest {
protected:
    ShaderMakerTest() {
        m_dir.write("lit.VS.glsl", s_vertex);
        m_dir.write("lit.FS.glsl", "void main() { gl_FragColor = vec4(::LIT_RED::); }\n");
        m_dir.write("tint.glsl", "vec4 tint() { return vec4(1.0); }\n");
        m_dir.write("main.glsl", "void main() { gl_FragColor = tint(); }\n");
        m_dir.write("broken.FS.glsl", "void main() { gl_FragColor = nonsense; }\n");
        CFG::global()->add("LIT_RED", "1.0, 0.0, 0.0, 1.0");
    }

    ShaderPtr create(const std::string& name) { return ShaderPtr(m_maker.create(name)); }

    static GLint typeOf(const ShaderPtr& shader) {
        GLint type = 0;
        glGetShaderiv(shader->getID(), GL_SHADER_TYPE, &type);
        return type;
    }

    MatSys::DefinitionFiles m_files;
    ShaderMaker m_maker{m_dir.path(), m_files};
};

TEST_F(ShaderMakerTest, SourceFilesCompileWithKeysReplacedAndTheKindFromTheSuffix) {
    const ShaderPtr vertex = create("lit.VS.glsl");
    const ShaderPtr fragment = create("lit.FS.glsl");
    ASSERT_NE(vertex, nullptr);
    ASSERT_NE(fragment, nullptr);
    EXPECT_EQ(typeOf(vertex), GL_VERTEX_SHADER);
    EXPECT_EQ(typeOf(fragment), GL_FRAGMENT_SHADER);
    for (const char* name : {"lit.glsl", "lit.VS", "missing.VS.glsl", "broken.FS.glsl"}) {
        EXPECT_EQ(create(name), nullptr) << name;
        EXPECT_EQ(glGetError(), GL_NO_ERROR) << name;
    }
}

// A refused name leaves no GL error behind for the next caller of glGetError.
TEST_F(ShaderMakerTest, TheKindIsTheFirstMappingWhoseSuffixEndsTheName) {
    std::vector<std::string> suffixes{"kept"};
    for (const bool replaced : {false, true}) {
        m_maker.getTypeStrings(suffixes);
        for (const KindRow& row : KIND_ROWS) {
            m_dir.write(row.name + ".glsl", "void main() {}\n");
            const ShaderPtr shader = create(row.name + ".glsl");
            EXPECT_EQ(shader ? typeOf(shader) : 0, replaced ? row.replacedKind : row.kind)
                << row.name << (replaced ? " replaced" : "");
            EXPECT_EQ(glGetError(), GL_NO_ERROR) << row.name;
        }
        m_maker.defineTypeMappings({{".FS", GL_VERTEX_SHADER}, {"S", GL_FRAGMENT_SHADER}});
    }
    EXPECT_EQ(suffixes, (std::vector<std::string>{"kept", ".VS", ".FS", ".FS", "S"}));
}

TEST_F(ShaderMakerTest, InlineCodeComesFirstThenTheFilesInOrder) {
    // The version line must open the text, and tint() must be defined before main uses it.
    const ShaderPtr shader(m_maker.create("x.FS", "#version 110\n", {"tint.glsl", "main.glsl"}));
    ASSERT_NE(shader, nullptr);
    EXPECT_EQ(ShaderPtr(m_maker.create("x.FS", "#version 110\n", {"main.glsl", "tint.glsl"})),
              nullptr);
    EXPECT_EQ(ShaderPtr(m_maker.create("x.FS", s_vertex, {"missing.glsl"})), nullptr);
    EXPECT_EQ(ShaderPtr(m_maker.create("x.FS", "", {})), nullptr);
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
}

TEST_F(ShaderMakerTest, DefinitionFilesGiveCodeAndFilesByNameOrUnprefixed) {
    m_dir.write("lit.FS.shader", "lit.FS_CODE == \"#version 110\n\"\n"
                                 "lit.FS_FILES ==   tint.glsl  main.glsl \n");
    m_dir.write("shared.prg", "CODE == \"#version 110\n\"\nFILES == tint.glsl main.glsl\n"
                              "own.FS_FILES == lit.FS.glsl\nbad.FS_CODE == x\n");
    const std::string shared = m_dir.path("shared.prg");
    EXPECT_NE(create("lit.FS.shader"), nullptr);
    EXPECT_NE(ShaderPtr(m_maker.create("any.FS", shared)), nullptr);
    EXPECT_NE(ShaderPtr(m_maker.create("own.FS", shared)), nullptr);
    // Its own code is set, so the shared files are not read for it.
    EXPECT_EQ(ShaderPtr(m_maker.create("bad.FS", shared)), nullptr);
    // A definition naming nothing falls back to the name itself.
    EXPECT_NE(ShaderPtr(m_maker.create("lit.VS.glsl", m_dir.path("missing.prg"))), nullptr);
    EXPECT_EQ(ShaderPtr(m_maker.create("lit.VS", m_dir.path("missing.prg"))), nullptr);
}

} // namespace
