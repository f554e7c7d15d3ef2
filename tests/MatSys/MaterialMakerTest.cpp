#include "MatSys/MaterialMaker.h"

#include "CFG/GlobalConfig.h"
#include "CFG/Info.h"
#include "MatSys/DefinitionFiles.h"
#include "MatSys/Material.h"
#include "MatSys/MaterialStore.h"
#include "MatSys/ShaderProgramStore.h"
#include "MatSys/TextureStore.h"
#include "Support/MatSysFakes.h"
#include "Support/ScratchDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using MatSysFakes::Log;
using MatSysFakes::paramsOf;
using MatSysFakes::s_log;
using MaterialPtr = std::unique_ptr<MatSys::Material>;

// The parameters of a set as "name=value " in name order.
std::string dump(const MatSys::ShaderParams& params) {
    std::string text;
    params.forEach(
        [&text](const auto& param) { text += param.getName() + "=" + param.getValue() + " "; });
    return text;
}

class MaterialMakerTest : public testing::Test {
protected:
    MaterialMakerTest() {
        s_log.clear();
        m_path = m_dir.write("scene.matdef",
                             "stone_PROG == lit\n"
                             "stone_MAT_lit_PARAMS == \"\n   a:1f=1\n\n  b:1f=2\n\"\n"
                             "stone_MAT_TEXTURES == 0:rock.tga, 1 : detail.tga ,, plain, "
                             "2:a:b, 1x:late.tga\n"
                             "blank_MAT_blank_PARAMS == \"  \n \"\n");
    }

    MaterialPtr read(const std::string& name, const MatSys::ShaderParams* params = nullptr) {
        return MaterialPtr(m_maker.create(name, params, m_path));
    }

    ScratchDir m_dir;
    std::string m_path;
    MatSysFakes::TextureMaker m_textureMaker;
    MatSys::TextureStore m_textures{&m_textureMaker};
    MatSysFakes::ProgramMaker m_programMaker;
    MatSys::ShaderProgramStore m_programs{&m_programMaker};
    MatSys::DefinitionFiles m_files;
    MatSys::MaterialMaker m_maker{&m_programs, &m_textures, m_dir.path(), m_files};
};

TEST_F(MaterialMakerTest, DefinitionGivesProgramParametersAndTextureBindings) {
    const MatSys::ShaderParams given = paramsOf({"b:1f=5", "c:1f=3"});
    const MaterialPtr stone = read("stone", &given);
    ASSERT_NE(stone, nullptr);
    EXPECT_EQ(stone->getProgram(), m_programs.get("lit", false));
    EXPECT_EQ(dump(*stone->getParams()), "a=1 b=5 c=3 ");
    const MatSys::Material::TextureBindings bound = stone->getTextures();
    ASSERT_EQ(bound.size(), 2u);
    EXPECT_EQ(bound[0], std::make_pair(0, m_textures.get("rock.tga", false)));
    EXPECT_EQ(bound[1], std::make_pair(1, m_textures.get("late.tga", false)));
    EXPECT_EQ(s_log, (Log{"lit from " + m_path, "rock.tga", "detail.tga", "late.tga"}));
    // Only blanks: no parameter set at all; a program of the material's own name.
    const MaterialPtr blank = read("blank");
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(blank->getParams(), nullptr);
    EXPECT_EQ(blank->getProgram(), m_programs.get("blank", false));
}

TEST_F(MaterialMakerTest, AStoredProgramKeepsItsOwnParameters) {
    m_programs.add("lit", paramsOf({"d:1f=7"}), std::vector<std::string>{"lit.VS"});
    s_log.clear();
    const MaterialPtr stone = read("stone");
    ASSERT_NE(stone, nullptr);
    EXPECT_EQ(dump(stone->getProgram()->getParams()), "d=7 ");
    EXPECT_EQ(s_log.front(), "rock.tga");
}

TEST_F(MaterialMakerTest, NamesOverridesAndMissingPrograms) {
    MatSys::MaterialStore materials(&m_maker);
    ASSERT_NE(materials.get("scene.matdef", true), nullptr);
    EXPECT_EQ(s_log.front(), "scene from " + m_dir.path("scene.matdef"));
    CFG::getDefaultOverrides()->add("stone_PROG", "other");
    s_log.clear();
    const MaterialPtr overridden = read("stone");
    EXPECT_EQ(overridden->getProgram(), m_programs.get("other", false));
    CFG::getDefaultOverrides()->add("stone_PROG", "");
    // Without a program nothing else is read: no texture is asked for.
    MatSys::ShaderProgramStore none(nullptr);
    s_log.clear();
    EXPECT_EQ(MaterialPtr(MatSys::MaterialMaker(&none, &m_textures, "", m_files)
                              .create("stone", nullptr, m_path)),
              nullptr);
    EXPECT_TRUE(s_log.empty());
}

// Nothing catches the conversion error: it ends the process through terminate.
class MaterialMakerDeathTest : public MaterialMakerTest {
protected:
    void readUncaught() noexcept { read("stone"); }
};

TEST_F(MaterialMakerDeathTest, AMalformedTextureUnitEndsTheProcessWithTheConversionError) {
    CFG::getDefaultOverrides()->add("stone_MAT_TEXTURES", "abc:rock.tga");
    EXPECT_DEATH(readUncaught(), "what\\(\\):  Cant convert String to Num:abc");
    CFG::getDefaultOverrides()->add("stone_MAT_TEXTURES", "");
}

} // namespace
