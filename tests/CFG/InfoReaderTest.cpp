#include "ConfigFiles.h"

#include "CFG/Info.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Keys = std::vector<std::string>;

TEST(InfoReader, LaterDefinitionWinsWithinAndAcrossFiles) {
    const ConfigFiles files;
    CFG::Info config = files.read("A == 1\nB == 1\nA == 2\n");
    EXPECT_EQ(config.get("A"), "2");
    ASSERT_TRUE(config.addConfig(files.write("later.cfg", "B == 3\n")));
    EXPECT_EQ(config.get("B"), "3");
    EXPECT_EQ(config.get("A"), "2");
}

TEST(InfoReader, CommentsOnlyAtLineStartAndValueKeepsTrailingText) {
    const ConfigFiles files;
    const CFG::Info config = files.read("  # A == 1\n#B==2\nC == 1 # note\n\tD\t==\t x y \r\n");
    EXPECT_EQ(keysOf(config), (Keys{"C", "D"}));
    EXPECT_EQ(config.get("C"), "1 # note");
    EXPECT_EQ(config.get("D"), "x y");
}

TEST(InfoReader, FirstEqualsSeparatorDecidesBeforeSelectorMarker) {
    const ConfigFiles files;
    const CFG::Info config = files.read("A ?? B == C\nD == x ?? y\nE == a == b\n");
    EXPECT_EQ(keysOf(config), (Keys{"A ?? B", "D", "E"}));
    expectValues(config, {{"A ?? B", "C"}, {"D", "x ?? y"}, {"E", "a == b"}});
}

TEST(InfoReader, EmptyValueAndEmptyKey) {
    const ConfigFiles files;
    const CFG::Info config = files.read("A ==\n== v\nB ==   \n");
    EXPECT_EQ(keysOf(config), (Keys{"", "A", "B"}));
    EXPECT_EQ(config.get("A"), "");
    EXPECT_EQ(config.get(""), "v");
}

TEST(InfoReader, QuotedValueJoinsLinesKeepingLeadingBlanks) {
    const ConfigFiles files;
    const CFG::Info config = files.read("A == \"one\n  two\\\nthree\"  \nB == 1\n");
    EXPECT_EQ(config.get("A"), "one\n  twothree");
    EXPECT_EQ(config.get("B"), "1");
}

TEST(InfoReader, BackslashNBackslashBecomesOneLineFeed) {
    const ConfigFiles files;
    const CFG::Info config =
        files.read("A == \"a\\n\\\nb\"\nB == \"a\\n\nb\"\nC == \"\nx\"\nD == \"x\n\n  \ny\"\n");
    expectValues(config, {{"A", "a\nb"}, {"B", "a\\n\nb"}, {"C", "\nx"}});
    // An empty line is no line at all; a blank one adds an empty line to the value.
    EXPECT_EQ(config.get("D"), "x\n\ny");
}

TEST(InfoReader, QuotesAreStrippedFromEveryValue) {
    const ConfigFiles files;
    const CFG::Info config =
        files.read("A == \"x\"\nB == x\"\nC == \"\"\nD == \"\"\"\nE == \"a\"b\"\n");
    expectValues(config, {{"A", "x"}, {"B", "x"}, {"C", ""}, {"D", ""}, {"E", "a\"b"}});
}

TEST(InfoReader, UnclosedQuoteFailsKeepsEarlierEntriesAndStillLoadsModAndIncludes) {
    const ConfigFiles files;
    files.write("inc.cfg", "I == included\n");
    const std::string path =
        files.write("open.cfg", "<INCLUDE == " + files.path("inc.cfg") + "\nA == 1\nB == \"x\ny\n");
    files.write("open.cfg.MOD", "M == mod\n");
    CFG::Info config(nullptr);
    EXPECT_FALSE(config.addConfig(path));
    EXPECT_EQ(keysOf(config), (Keys{"<INCLUDE", "A", "I", "M"}));
    // The constructor empties a configuration whose file did not parse.
    EXPECT_EQ(keysOf(CFG::Info(path, nullptr)), Keys{});
}

TEST(InfoReader, SelectorBlockConsumesItsClosingLineOnly) {
    const ConfigFiles files;
    const CFG::Info config = files.read("Q ?? MODE\nLOW == a\nHIGH == b\n* == c\nMODE\n"
                                        "R ?? M2\n  S ?? MODE\n  X == 1\n  MODE\n  Y == 2\nM2\n"
                                        "MODE == HIGH\nM2 == Y\n");
    EXPECT_EQ(keysOf(config), (Keys{"M2", "MODE", "Q", "R"}));
    EXPECT_EQ(config.get("Q"), "b");
    EXPECT_EQ(config.get("R"), "2");
}

TEST(InfoReader, SelectorWithoutNameIsClosedByBlankLine) {
    const ConfigFiles files;
    const CFG::Info config = files.read("Q ??\n* == in\n   \nA == out\n");
    EXPECT_EQ(keysOf(config), (Keys{"A", "Q"}));
    EXPECT_EQ(config.get("Q"), "in");
}

TEST(InfoReader, EndOfResourcesEndsTopLevelOnlyAndOpenBlockEndsWithText) {
    const ConfigFiles files;
    CFG::Info config = files.read("Q ?? M\nEND_OF_CFG_RESOURCES\n* == q\nM\nA == 1\n"
                                  "  END_OF_CFG_RESOURCES  \nB == 2\n");
    EXPECT_EQ(keysOf(config), (Keys{"A", "Q"}));
    EXPECT_EQ(config.get("Q"), "q");
    EXPECT_TRUE(config.addConfig(files.write("open.cfg", "R ?? M\n* == r\n")));
    EXPECT_EQ(config.get("R"), "r");
}

TEST(InfoReader, ModFilesThenIncludesInTheOrderTheirKeysWereRead) {
    const ConfigFiles files;
    const std::string path =
        files.write("x.cfg", "A == x\nB == x\n<INCLUDE_1 == " + files.path("one.cfg") +
                                 "\nQ ?? M\n"
                                 "<INCLUDE_Q == " +
                                 files.path("ignored.cfg") + "\nM\n");
    files.write("x.cfg.MOD", "A == mod\n<INCLUDE_2 == " + files.path("two.cfg") + "\n");
    files.write("x.cfg.MOD.MOD", "B == modmod\nC == modmod\n");
    files.write("one.cfg", "C == one\nD == one\n");
    files.write("two.cfg", "D == two\nE == two\n");
    files.write("ignored.cfg", "F == inside block\n");
    CFG::Info config(nullptr);
    EXPECT_TRUE(config.addConfig(path));
    expectValues(config, {{"A", "mod"}, {"B", "modmod"}, {"C", "one"}, {"D", "two"}});
    // A key read inside a block is still queued and looked up as a top-level key.
    EXPECT_EQ(config.get("F"), "");
}

TEST(InfoReader, IncludePathIsLookedUpWhenLoadedThroughOverridesAndSelectors) {
    const ConfigFiles files;
    files.write("low.cfg", "QUALITY_FILE == low\n");
    files.write("high.cfg", "QUALITY_FILE == high\n");
    CFG::Info overrides(nullptr);
    overrides.add("MODE", "HIGH");
    const CFG::Info config = files.read("<INCLUDE ?? MODE\nLOW == " + files.path("low.cfg") +
                                            "\nHIGH == " + files.path("high.cfg") + "\nMODE\n",
                                        &overrides);
    EXPECT_EQ(config.get("QUALITY_FILE"), "high");
}

TEST(InfoReader, FileIncludingItselfIsSkipped) {
    const ConfigFiles files;
    files.write("self.cfg", "A == self\n<INCLUDE == ::SELF::\nSELF == " + files.path("self.cfg") +
                                "\nSELF_AGAIN == " + files.path(".") +
                                "/./self.cfg\n"
                                "<INCLUDE_2 == ::SELF_AGAIN::\n");
    files.write("a.cfg", "<INCLUDE == " + files.path("b.cfg") + "\nA == a\n");
    files.write("b.cfg", "<INCLUDE == " + files.path("a.cfg") + "\nB == b\n");
    files.write("m.cfg", "M == m\n");
    files.write("m.cfg.MOD", "<INCLUDE == " + files.path("m.cfg") + "\n");
    CFG::Info config(nullptr);
    EXPECT_TRUE(config.addConfig(files.path("self.cfg")));
    EXPECT_EQ(config.get("A"), "self");
    EXPECT_TRUE(config.addConfig(files.path("a.cfg")));
    EXPECT_EQ(config.get("B"), "b");
    EXPECT_TRUE(config.addConfig(files.path("m.cfg")));
    EXPECT_EQ(config.get("M"), "m");
}

TEST(InfoReader, IncludeChainDeeperThanLimitStops) {
    const ConfigFiles files;
    const int chain = 100;
    for (int link = 0; link < chain; ++link) {
        files.write("f" + std::to_string(link) + ".cfg",
                    "LAST == " + std::to_string(link) + "\n<INCLUDE == " +
                        files.path("f" + std::to_string(link + 1) + ".cfg") + "\n");
    }
    CFG::Info config(nullptr);
    EXPECT_TRUE(config.addConfig(files.path("f0.cfg")));
    EXPECT_EQ(config.get("LAST"), "31");
}

TEST(InfoReader, SelectorBlocksNestedTooDeepFailTheReading) {
    const ConfigFiles files;
    std::string nested;
    std::string closing;
    for (int depth = 0; depth < 10000; ++depth) {
        nested += "K ?? S" + std::to_string(depth) + "\n";
        closing = "S" + std::to_string(depth) + "\n" + closing;
    }
    CFG::Info config(nullptr);
    EXPECT_FALSE(config.addConfig(files.write("deep.cfg", "A == 1\n" + nested + closing)));
    EXPECT_EQ(config.get("A"), "1");

    std::string fine = "* == inner\n";
    for (int depth = 0; depth < 30; ++depth) {
        fine = "K ?? S\n" + fine + "S\n";
    }
    fine = "S == K\n" + fine;
    EXPECT_TRUE(config.addConfig(files.write("fine.cfg", fine)));
    EXPECT_EQ(config.get("K"), "inner");
}

TEST(InfoReader, IniFilesAreConvertedInAnyCaseAndReadTwice) {
    const ConfigFiles files;
    files.write("a.ini", "[Video]\nwidth = 800\nRAW == text\n");
    files.write("b.INI", "name = \"Main\"\n");
    files.write("b.INI.MOD", "[Mod]\nx = 1\n");
    CFG::Info config(nullptr);
    EXPECT_TRUE(config.addConfig(files.path("a.ini")));
    EXPECT_TRUE(config.addConfig(files.path("b.INI")));
    EXPECT_EQ(keysOf(config), (Keys{"::name:STR", "RAW", "Video::RAW:NUM", "Video::width:NUM"}));
    expectValues(config,
                 {{"Video::width:NUM", "800"}, {"Video::RAW:NUM", "= text"}, {"RAW", "text"}});
    EXPECT_FALSE(config.addConfig(files.write("open.ini", "A == 1\nname = \"open\n")));
    EXPECT_EQ(config.get("A"), "");
}

TEST(InfoReader, MissingOrEmptyFileChangesNothing) {
    const ConfigFiles files;
    CFG::Info config(nullptr);
    config.add("A", "1");
    EXPECT_FALSE(config.addConfig(files.path("missing.cfg")));
    EXPECT_FALSE(config.addConfig(files.write("empty.cfg", "")));
    EXPECT_EQ(keysOf(config), Keys{"A"});
}

TEST(InfoAdd, ObeysTheRulesOfAFileLine) {
    CFG::Info config(nullptr);
    EXPECT_TRUE(config.add(" K ", " \"v\" "));
    EXPECT_EQ(config.get("K"), "v");
    EXPECT_FALSE(config.add("OPEN", "\"never closed"));
    EXPECT_TRUE(config.add("#C", "v"));
    EXPECT_TRUE(config.add("A==B", "v"));
    EXPECT_EQ(keysOf(config), (Keys{"A", "K"}));
    EXPECT_EQ(config.get("A"), "B == v");
    EXPECT_TRUE(config.add("K", "w"));
    EXPECT_EQ(config.get("K"), "w");
}

TEST(InfoAdd, IncludeKeyWaitsForTheNextFileLoad) {
    const ConfigFiles files;
    CFG::Info config(nullptr);
    config.add("<INCLUDE_X", files.write("x.cfg", "X == 1\n"));
    EXPECT_EQ(config.get("X"), "");
    config.addConfig(files.write("y.cfg", "Y == 1\n"));
    EXPECT_EQ(keysOf(config), (Keys{"<INCLUDE_X", "X", "Y"}));
}
