#include "CFGTesting.h"

#include "CFG/GlobalConfig.h"
#include "CFG/InfoParser.h"

#include <gtest/gtest.h>

namespace {

// The process-wide configurations outlive every test, so each test empties them again.
class GlobalConfigTest : public testing::Test {
protected:
    ~GlobalConfigTest() override {
        CFG::global()->reset();
        CFG::getDefaultOverrides()->reset();
    }

    const ScratchDir files;
};

} // namespace

TEST_F(GlobalConfigTest, OverridesAreAskedFirstAndOutliveSetConfig) {
    // Other code reaches the two configurations by name as well as through the functions.
    EXPECT_EQ(CFG::getDefaultOverrides(), &CFG::s_Overrides);
    EXPECT_EQ(CFG::global(), &CFG::s_GlobalConfig);
    CFG::setConfig(files.write("kessok.cfg", "SCREEN_WIDTH == 800\nFOV == 45\n"));
    CFG::addConfig(files.write("extra.cfg", "FOV == 60\nC == 2\n"));
    CFG::getDefaultOverrides()->add("SCREEN_WIDTH", "1024");
    EXPECT_EQ(dump(*CFG::global()), "C=2|FOV=60|SCREEN_WIDTH=1024");
    EXPECT_EQ(CFG::parser().getNumber<int>("SCREEN_WIDTH"), 1024);
    CFG::setConfig(files.write("second.cfg", "D == 3\n"));
    EXPECT_EQ(dump(*CFG::global()), "D=3");
    EXPECT_EQ(CFG::get("SCREEN_WIDTH"), "1024");
}
