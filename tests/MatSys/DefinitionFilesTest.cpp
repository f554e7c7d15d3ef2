#include "MatSys/DefinitionFiles.h"

#include "CFG/GlobalConfig.h"
#include "CFG/Info.h"
#include "Files/ScratchDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace {

using MatSys::DefinitionFiles;

class DefinitionFilesTest : public ::testing::Test {
protected:
    // Written an hour ago, as far as the file's time tells: older than any clock tick.
    std::string writeOld(const std::string& name, const std::string& text) const {
        const std::string path = m_dir.write(name, text);
        std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() -
                                                   std::chrono::hours(1));
        return path;
    }

    static std::shared_ptr<const CFG::Info> open(const std::string& path) {
        return DefinitionFiles::instance().open(path);
    }

    ScratchDir m_dir;
};

TEST_F(DefinitionFilesTest, AFileIsReadOnceUntilItOrAFileItTakesInChanges) {
    const std::string path =
        writeOld("a.matdef", "A == 1\n<INCLUDE_X == " + m_dir.path("inc.cfg") + "\n");
    writeOld("inc.cfg", "B == 2\n");
    const auto first = open(path);
    EXPECT_EQ(first->get("A") + first->get("B"), "12");
    EXPECT_EQ(open(path), first);
    // Another text of the same size, also written long ago.
    std::filesystem::remove(path);
    writeOld("a.matdef", "A == 3\n<INCLUDE_X == " + m_dir.path("inc.cfg") + "\n");
    const auto rewritten = open(path);
    EXPECT_EQ(rewritten->get("A"), "3");
    EXPECT_EQ(first->get("A"), "1");
    writeOld("a.matdef.MOD", "A == 4\n");
    EXPECT_EQ(open(path)->get("A"), "4");
    writeOld("inc.cfg", "B == 5\n");
    EXPECT_EQ(open(path)->get("B"), "5");
    // Modified just now: a change within the same clock tick would keep the time, so the
    // file is read again until its time lies a tick behind.
    m_dir.write("inc.cfg", "B == 6\n");
    EXPECT_EQ(open(path)->get("B"), "6");
    m_dir.write("inc.cfg", "B == 7\n");
    EXPECT_EQ(open(path)->get("B"), "7");
}

TEST_F(DefinitionFilesTest, MissingFilesHaveNoKeysUntilTheyAppearAndOverridesWin) {
    const std::string path = m_dir.path("late.prg");
    EXPECT_EQ(open(path)->get("P_SHADERS"), "");
    writeOld("late.prg", "P_SHADERS == a.VS.glsl\n");
    EXPECT_EQ(open(path)->get("P_SHADERS"), "a.VS.glsl");
    CFG::getDefaultOverrides()->add("P_SHADERS", "b.VS.glsl");
    EXPECT_EQ(open(path)->get("P_SHADERS"), "b.VS.glsl");
    CFG::getDefaultOverrides()->add("P_SHADERS", "");
}

} // namespace
