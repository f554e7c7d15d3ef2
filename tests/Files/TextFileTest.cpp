#include "Files/TextFile.h"

#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(TextFileSize, CountsBytesOfRegularFilesOnly) {
    const ScratchDir dir;
    EXPECT_EQ(Files::TextFile::size(dir.write("ten", "0123456789")), 10);
    EXPECT_EQ(Files::TextFile::size(dir.write("empty", "")), 0);
    EXPECT_EQ(Files::TextFile::size(dir.path("missing")), 0);
    EXPECT_EQ(Files::TextFile::size(dir.path()), 0);
}

TEST(TextFileLoad, EndsLinesWithTerminatorAndEmptyLinesWithLineFeed) {
    const ScratchDir dir;
    const std::string path = dir.write("lines", "x\n\ny\n");
    std::string text;
    ASSERT_TRUE(Files::TextFile::load(path, text, "\n"));
    EXPECT_EQ(text, "x\n\ny\n");
    text.clear();
    ASSERT_TRUE(Files::TextFile::load(path, text, " "));
    EXPECT_EQ(text, "x \ny ");
}

TEST(TextFileLoad, LastLineWithoutLineFeedIsEndedToo) {
    const ScratchDir dir;
    std::string text = "kept|";
    ASSERT_TRUE(Files::TextFile::load(dir.write("open", "A\nB"), text, ";"));
    EXPECT_EQ(text, "kept|A;B;");
}

TEST(TextFileLoad, MissingEmptyOrDirectoryFailsAndLeavesTextUntouched) {
    const ScratchDir dir;
    std::string text = "before";
    EXPECT_FALSE(Files::TextFile::load(dir.path("missing"), text, "\n"));
    EXPECT_FALSE(Files::TextFile::load(dir.write("empty", ""), text, "\n"));
    EXPECT_FALSE(Files::TextFile::load(dir.path(), text, "\n"));
    EXPECT_EQ(text, "before");
}

TEST(TextFileLoad, ReadsLongLinesWhole) {
    const ScratchDir dir;
    const std::string line(100000, 'q');
    std::string text;
    ASSERT_TRUE(Files::TextFile::load(dir.write("long", line + "\nz"), text, "\n"));
    EXPECT_EQ(text, line + "\nz\n");
}

TEST(TextFileSave, WritesEachLineWithLineFeedAndTruncates) {
    const ScratchDir dir;
    dir.write("out", "old content that is longer");
    ASSERT_TRUE(Files::TextFile::save(dir.path("out"), std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(dir.read("out"), "a\n\nb\n");
    ASSERT_TRUE(Files::TextFile::save(dir.path("out"), std::string("one")));
    EXPECT_EQ(dir.read("out"), "one\n");
    ASSERT_TRUE(Files::TextFile::save(dir.path("out"), std::vector<std::string>{}));
    EXPECT_EQ(dir.read("out"), "");
}

TEST(TextFileSave, UnopenablePathFails) {
    const ScratchDir dir;
    EXPECT_FALSE(Files::TextFile::save(dir.path("no/such/dir"), std::string("x")));
    EXPECT_FALSE(Files::TextFile::save(dir.path(), std::vector<std::string>{"x"}));
}
