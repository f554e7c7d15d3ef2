#include "Files/Directory.h"

#include "Support/ScratchDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
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

TEST(DirectoryList, AppendsTheNamesKeepAcceptsUnlessTheFolderIsLargerThanAllowed) {
    const ScratchDir dir;
    for (const char* name : {"a.mod", "b.MOD", "c.cfg", "mod"}) {
        dir.write(name, "x");
    }
    const auto endsInMod = [](const std::string_view name) {
        return name.size() >= 3 && name.substr(name.size() - 3) == "mod";
    };
    Names names{"earlier"};
    EXPECT_TRUE(Directory::list(dir.path(), names, endsInMod));
    std::sort(names.begin() + 1, names.end());
    EXPECT_EQ(names, (Names{"earlier", "a.mod", "mod"}));
    // A folder holding entries reports a size above 0 on every file system.
    EXPECT_FALSE(Directory::list(dir.path(), names, endsInMod, 0));
    EXPECT_FALSE(Directory::list(dir.path("missing"), names, endsInMod));
    EXPECT_EQ(names, (Names{"earlier", "a.mod", "mod"}));
}
