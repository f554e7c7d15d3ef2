#include "MatSys/DefinitionFiles.h"

#include "CFG/GlobalConfig.h"
#include "CFG/Info.h"
#include "Support/ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::shared_ptr<const CFG::Info> open(const std::string& path) {
    static MatSys::DefinitionFiles l_files;
    return l_files.open(path);
}

TEST(DefinitionFilesTest, AFileIsReadOnceUntilItsFolderOrAnIncludeChanges) {
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
    // Missing, then there; and a folder that cannot be watched is read every time.
    EXPECT_EQ(open(dir.path("late.prg"))->get("A"), "");
    dir.write("late.prg", "A == 7\n");
    EXPECT_EQ(open(dir.path("late.prg"))->get("A"), "7");
    EXPECT_NE(open(dir.path("none/x.prg")), open(dir.path("none/x.prg")));
}

} // namespace
