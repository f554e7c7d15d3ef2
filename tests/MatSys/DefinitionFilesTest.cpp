#include "MatSys/DefinitionFiles.h"

#include "CFG/GlobalConfig.h"
#include "CFG/Info.h"
#include "Files/ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::shared_ptr<const CFG::Info> open(const std::string& path) {
    return MatSys::DefinitionFiles::instance().open(path);
}

TEST(DefinitionFilesTest, AFileIsReadOnceUntilItsFolderOrAnIncludedFileChanges) {
    const ScratchDir dir;
    std::filesystem::create_directory(dir.path("inc"));
    const std::string path = dir.write("a.matdef", "A == 1\n<INCLUDE_X == ::INC::\n");
    dir.write("inc/b.cfg", "B == 2\n");
    dir.write("inc/c.cfg", "B == 3\n");
    CFG::getDefaultOverrides()->add("INC", dir.path("inc/b.cfg"));
    const auto first = open(path);
    EXPECT_EQ(first->get("A") + first->get("B"), "12");
    EXPECT_EQ(open(path), first);
    // Rewritten at once with text of the same size.
    dir.write("a.matdef", "A == 4\n<INCLUDE_X == ::INC::\n");
    EXPECT_EQ(open(path)->get("A"), "4");
    EXPECT_EQ(first->get("A"), "1");
    dir.write("a.matdef.MOD", "A == 5\n");
    EXPECT_EQ(open(path)->get("A"), "5");
    dir.write("inc/b.cfg", "B == 6\n");
    EXPECT_EQ(open(path)->get("B"), "6");
    // The include key now names another file.
    CFG::getDefaultOverrides()->add("INC", dir.path("inc/c.cfg"));
    EXPECT_EQ(open(path)->get("B"), "3");
    CFG::getDefaultOverrides()->add("INC", "");
}

TEST(DefinitionFilesTest, MissingFilesHaveNoKeysUntilTheyAppearAndOverridesWin) {
    const ScratchDir dir;
    const std::string path = dir.path("late.prg");
    EXPECT_EQ(open(path)->get("P_SHADERS"), "");
    dir.write("late.prg", "P_SHADERS == a.VS.glsl\n");
    EXPECT_EQ(open(path)->get("P_SHADERS"), "a.VS.glsl");
    CFG::getDefaultOverrides()->add("P_SHADERS", "b.VS.glsl");
    EXPECT_EQ(open(path)->get("P_SHADERS"), "b.VS.glsl");
    CFG::getDefaultOverrides()->add("P_SHADERS", "");
    // A folder that does not exist cannot be watched: its files are read every time.
    const std::string nowhere = dir.path("none/x.prg");
    EXPECT_NE(open(nowhere), open(nowhere));
}

} // namespace
