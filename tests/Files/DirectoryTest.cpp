#include "Files/Directory.h"

#include "Support/ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using Files::Directory;
using Names = std::vector<std::string>;

TEST(Directory, DirnameKeepsTheTextUpToTheLastSlashOrGivesDotSlashAndBasenameTheRest) {
    EXPECT_EQ(Directory::dirname("a/b/c"), "a/b/");
    EXPECT_EQ(Directory::dirname("a/b/"), "a/b/");
    EXPECT_EQ(Directory::dirname("/x"), "/");
    EXPECT_EQ(Directory::dirname("/"), "/");
    EXPECT_EQ(Directory::dirname("kessok.cfg"), "./");
    EXPECT_EQ(Directory::dirname(""), "./");
    EXPECT_EQ(Directory::basename("a/b/c"), "c");
    EXPECT_EQ(Directory::basename("a/b/"), "");
    EXPECT_EQ(Directory::basename("kessok.cfg"), "kessok.cfg");
}

TEST(Directory, AsPrefixEndsAFolderInOneSlashAndWithoutExtensionCutsAtTheLastDot) {
    EXPECT_EQ(Directory::asPrefix("data"), "data/");
    EXPECT_EQ(Directory::asPrefix("data/"), "data/");
    EXPECT_EQ(Directory::asPrefix(""), "");
    EXPECT_EQ(Directory::withoutExtension("water.VS.glsl"), "water.VS");
    EXPECT_EQ(Directory::withoutExtension("stone"), "stone");
    EXPECT_EQ(Directory::withoutExtension(".tga"), "");
}

TEST(DirectoryScan, AppendsTheNamesPassingPrefixAndSuffixInByteOrder) {
    const ScratchDir dir;
    for (const char* name : {"b.txt", "A.txt", "a.txt.cfg", "txt", ".txt", "ab", "abc", "Ab"}) {
        dir.write(name, "x");
    }
    std::filesystem::create_directory(dir.path("sub.txt"));
    Names names{"earlier"};
    Directory::scan(dir.path(), names, "", ".txt");
    EXPECT_EQ(names, (Names{"earlier", ".txt", "A.txt", "b.txt", "sub.txt"}));
    names.clear();
    Directory::scan(dir.path(), names, "ab", "");
    EXPECT_EQ(names, (Names{"ab", "abc"}));
    names.clear();
    Directory::scan(dir.path(), names, "", "");
    EXPECT_EQ(names,
              (Names{".txt", "A.txt", "Ab", "a.txt.cfg", "ab", "abc", "b.txt", "sub.txt", "txt"}));
}

TEST(DirectoryScan, UnopenableDirectoryLeavesNamesUnchanged) {
    const ScratchDir dir;
    Names names{"kept"};
    Directory::scan(dir.path("missing"), names, "", "");
    Directory::scan(dir.write("file", "x"), names, "", "");
    EXPECT_EQ(names, Names{"kept"});
}
