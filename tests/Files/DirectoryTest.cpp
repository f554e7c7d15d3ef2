#include "Files/Directory.h"

#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using Names = std::vector<std::string>;

TEST(Directory, DirnameKeepsTheLastSlashOrGivesDotSlash) {
    EXPECT_EQ(Files::Directory::dirname("a/b/c"), "a/b/");
    EXPECT_EQ(Files::Directory::dirname("a/b/"), "a/b/");
    EXPECT_EQ(Files::Directory::dirname("/x"), "/");
    EXPECT_EQ(Files::Directory::dirname("/"), "/");
    EXPECT_EQ(Files::Directory::dirname("kessok.cfg"), "./");
    EXPECT_EQ(Files::Directory::dirname(""), "./");
}

TEST(Directory, BasenameIsTheTextAfterTheLastSlash) {
    EXPECT_EQ(Files::Directory::basename("a/b/c"), "c");
    EXPECT_EQ(Files::Directory::basename("a/b/"), "");
    EXPECT_EQ(Files::Directory::basename("kessok.cfg"), "kessok.cfg");
}

TEST(DirectoryScan, AppendsFilteredNamesInByteOrder) {
    const ScratchDir dir;
    for (const char* name : {"b.txt", "A.txt", "a.cfg", "txt", ".txt"}) {
        dir.write(name, "x");
    }
    std::filesystem::create_directory(dir.path("sub.txt"));
    Names names{"earlier"};
    Files::Directory::scan(dir.path(), names, "", ".txt");
    EXPECT_EQ(names, (Names{"earlier", ".txt", "A.txt", "b.txt", "sub.txt"}));
}

TEST(DirectoryScan, PrefixFilterAndNoFilterListEverythingButDotEntries) {
    const ScratchDir dir;
    for (const char* name : {"ab", "abc", "Ab", "b"}) {
        dir.write(name, "x");
    }
    Names names;
    Files::Directory::scan(dir.path(), names, "ab", "");
    EXPECT_EQ(names, (Names{"ab", "abc"}));
    names.clear();
    Files::Directory::scan(dir.path(), names, "", "");
    EXPECT_EQ(names, (Names{"Ab", "ab", "abc", "b"}));
}

TEST(DirectoryScan, UnopenableDirectoryLeavesNamesUnchanged) {
    const ScratchDir dir;
    Names names{"kept"};
    Files::Directory::scan(dir.path("missing"), names, "", "");
    Files::Directory::scan(dir.write("file", "x"), names, "", "");
    EXPECT_EQ(names, Names{"kept"});
}
