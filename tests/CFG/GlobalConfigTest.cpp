#include "ConfigFiles.h"

#include "CFG/GlobalConfig.h"
#include "CFG/InfoParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The process-wide configurations outlive every test, so each test empties them again.
class GlobalConfigTest : public testing::Test {
protected:
    ~GlobalConfigTest() override {
        CFG::global()->reset();
        CFG::getDefaultOverrides()->reset();
    }

    const ConfigFiles files;
};

} // namespace

TEST_F(GlobalConfigTest, OverridesAreAskedFirstByTheProcessWideConfiguration) {
    EXPECT_EQ(CFG::getDefaultOverrides(), &CFG::s_Overrides);
    EXPECT_EQ(CFG::global(), &CFG::s_GlobalConfig);
    CFG::setConfig(files.write("kessok.cfg", "SCREEN_WIDTH == 800\nFOV == 45\n"));
    CFG::getDefaultOverrides()->add("SCREEN_WIDTH", "1024");
    EXPECT_EQ(CFG::get("SCREEN_WIDTH"), "1024");
    EXPECT_EQ(CFG::get("FOV"), "45");
    EXPECT_EQ(CFG::parser().getNumber<int>("SCREEN_WIDTH"), 1024);
    EXPECT_EQ(&CFG::parser(), &CFG::parser());
}

TEST_F(GlobalConfigTest, SetConfigReplacesWhileAddConfigAddsOnTop) {
    CFG::setConfig(files.write("first.cfg", "A == 1\nB == 1\n"));
    CFG::addConfig(files.write("extra.cfg", "B == 2\nC == 2\n"));
    EXPECT_EQ(CFG::get("A"), "1");
    EXPECT_EQ(CFG::get("B"), "2");
    CFG::getDefaultOverrides()->add("KEPT", "yes");
    CFG::setConfig(files.write("second.cfg", "D == 3\n"));
    EXPECT_EQ(keysOf(CFG::s_GlobalConfig), std::vector<std::string>{"D"});
    EXPECT_EQ(CFG::get("KEPT"), "yes");
}

TEST_F(GlobalConfigTest, DefinitionFileConfigurationsAskTheOverridesFirst) {
    CFG::getDefaultOverrides()->add("SHADER_VS", "override.glsl");
    const CFG::Info definition(files.write("scene.shader", "SHADER_VS == file.glsl\nX == 1\n"),
                               CFG::getDefaultOverrides());
    EXPECT_EQ(definition.get("SHADER_VS"), "override.glsl");
    EXPECT_EQ(definition.get("X"), "1");
}
