#include "Files/TextFile.h"

#include "Support/ScratchDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Files::TextFile;
using Lines = std::vector<std::string>;

TEST(TextFileSize, CountsBytesOfRegularFilesOnly) {
    const ScratchDir dir;
    EXPECT_EQ(TextFile::size(dir.write("ten", "0123456789")), 10);
    EXPECT_EQ(TextFile::size(dir.write("empty", "")), 0);
    EXPECT_EQ(TextFile::size(dir.path("missing")), 0);
    EXPECT_EQ(TextFile::size(dir.path()), 0);
}

TEST(TextFileLoad, AppendsEachLineWithTheTerminatorAndEachEmptyLineWithALineFeed) {
    const ScratchDir dir;
    const std::string path = dir.write("lines", "x\n\ny\n");
    std::string text = "kept|";
    ASSERT_TRUE(TextFile::load(path, text, "\n"));
    ASSERT_TRUE(TextFile::load(path, text, " "));
    ASSERT_TRUE(TextFile::load(dir.write("open", "A\nB"), text, ";"));
    EXPECT_EQ(text, "kept|x\n\ny\nx \ny A;B;");
}

TEST(TextFileLoad, MissingEmptyOrDirectoryFailsAndLeavesTextUntouched) {
    const ScratchDir dir;
    std::string text = "before";
    EXPECT_FALSE(TextFile::load(dir.path("missing"), text, "\n"));
    EXPECT_FALSE(TextFile::load(dir.write("empty", ""), text, "\n"));
    EXPECT_FALSE(TextFile::load(dir.path(), text, "\n"));
    EXPECT_EQ(text, "before");
}

TEST(TextFileSave, WritesEachLineWithLineFeedAndTruncates) {
    const ScratchDir dir;
    const std::string path = dir.write("out", "old content that is longer");
    ASSERT_TRUE(TextFile::save(path, Lines{"a", "", "b"}));
    EXPECT_EQ(dir.read("out"), "a\n\nb\n");
    ASSERT_TRUE(TextFile::save(path, std::string("one")));
    EXPECT_EQ(dir.read("out"), "one\n");
    ASSERT_TRUE(TextFile::save(path, Lines{}));
    EXPECT_EQ(dir.read("out"), "");
}

TEST(TextFileSave, UnopenablePathFails) {
    const ScratchDir dir;
    EXPECT_FALSE(TextFile::save(dir.path("no/such/dir"), std::string("x")));
    EXPECT_FALSE(TextFile::save(dir.path(), Lines{"x"}));
}
