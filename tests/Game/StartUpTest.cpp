#include "Game/StartUp.h"
#include "CFG/GlobalConfig.h"
#include "Render/I_RenderAbilities.h"
#include "Support/ScratchDir.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Runs the start-up's configuration step in a folder holding kessok.cfg (A, B, C set to
// "main"), a settings file and two extra files, with fresh overrides.
class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_scratch.write("kessok.cfg", "A == main\nB == main\nC == main\n");
        m_scratch.write("SETTINGS_kessok.cfg", "B == settings\n");
        m_scratch.write("SETTINGS_mine.cfg", "B == mine\n");
        m_scratch.write("extra.cfg", "A == extra\nC == extra\n");
        m_scratch.write("empty.cfg", "");
        ASSERT_EQ(chdir(m_scratch.path().c_str()), 0);
        CFG::getDefaultOverrides()->reset();
    }

    bool load(std::vector<std::string> args) {
        args.insert(args.begin(), "kessok");
        std::vector<const char*> argv;
        for (const std::string& arg : args) {
            argv.push_back(arg.c_str());
        }
        return Game::loadConfiguration(static_cast<int>(argv.size()), argv.data(), "kessok.cfg");
    }

    ScratchDir m_scratch;
};

TEST_F(StartUpTest, CommandLineLayersFilesAndOverrides) {
    struct Case {
        std::vector<std::string> args;
        std::string settingsFile, a, b, c, settingsA;
    };
    const Case cases[] = {
        {{}, "./SETTINGS_kessok.cfg", "main", "settings", "main", ""},
        {{"SETTINGS_mine.cfg", "extra.cfg"}, "SETTINGS_mine.cfg", "extra", "mine", "extra", ""},
        {{"extra.cfg", "SETTINGS_mine.cfg"},
         "./SETTINGS_kessok.cfg",
         "extra",
         "settings",
         "extra",
         ""},
        {{"SETTINGS_A==1"}, "./SETTINGS_kessok.cfg", "main", "settings", "main", "1"},
        // An empty override replaces the settings file's value and lets the files show through.
        {{" A == x ", "B==", "C==y", "C==z"}, "./SETTINGS_kessok.cfg", "x", "main", "z", ""},
        {{"A==B==C", "A====B", "-A==q", "C===w"},
         "./SETTINGS_kessok.cfg",
         "main",
         "settings",
         "=w",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        SetUp();
        ASSERT_TRUE(load(c.args));
        EXPECT_EQ(CFG::get("SETTINGS_FILE"), c.settingsFile);
        EXPECT_EQ(CFG::get("A"), c.a);
        EXPECT_EQ(CFG::get("B"), c.b);
        EXPECT_EQ(CFG::get("C"), c.c);
        EXPECT_EQ(CFG::get("SETTINGS_A"), c.settingsA);
    }
}

TEST_F(StartUpTest, MissingOrEmptyExtraFileEndsStartUp) {
    EXPECT_FALSE(load({"missing.cfg"}));
    EXPECT_FALSE(load({"empty.cfg"}));
    EXPECT_FALSE(load({"-x.cfg"}));
    EXPECT_TRUE(load({"extra.cfg==1"}));
}

class FakeAbilities : public Render::I_RenderAbilities {
public:
    int getAbility(int id) const override {
        const auto forced = m_forced.find(id);
        return forced != m_forced.end() ? forced->second : 100 + id;
    }
    void setAbility(int id, int value) override { m_forced[id] = value; }

    std::map<int, int> m_forced;
};

TEST_F(StartUpTest, AbilitiesArePublishedOrForced) {
    ASSERT_TRUE(load({"INFO_HAVE_SHADERS==0", "INFO_MAX_PBO_SIZE==0x10"}));
    FakeAbilities abilities;
    Game::publishAbilities(abilities);
    EXPECT_EQ(abilities.m_forced, (std::map<int, int>{{0, 0}, {12, 16}}));
    EXPECT_EQ(CFG::get("INFO_HAVE_SHADERS"), "0");
    EXPECT_EQ(CFG::get("INFO_HAVE_VBOS"), "104");
    EXPECT_EQ(CFG::get("INFO_MAX_TEXTURE_SIZE_2D"), "108");
}

TEST_F(StartUpTest, GlobalKeysArePinnedUnlessOverridden) {
    m_scratch.write("kessok.cfg", "A == main\nB == main\nGLOBAL_KEYS ==  A, B,,C \n");
    ASSERT_TRUE(load({"B==line"}));
    Game::pinGlobalKeys();
    CFG::addConfig("extra.cfg");
    EXPECT_EQ(CFG::get("A"), "main");
    EXPECT_EQ(CFG::get("B"), "line");
    EXPECT_EQ(CFG::get("C"), "extra");
}

} // namespace
