#include "CFGTesting.h"

#include "CFG/Info.h"

#include <gtest/gtest.h>

#include <string>

TEST(InfoReader, LaterDefinitionWinsWithinAndAcrossFiles) {
    const ScratchDir files;
    CFG::Info config(files.write("a.cfg", "A == 1\nB == 1\nA == 2\n"), nullptr);
    EXPECT_EQ(dump(config), "A=2|B=1");
    EXPECT_TRUE(config.addConfig(files.write("b.cfg", "B == 3\n")));
    EXPECT_EQ(dump(config), "A=2|B=3");
}

TEST(InfoReader, CommentsOnlyAtLineStartAndValueKeepsTrailingText) {
    EXPECT_EQ(dump(configOf("  # A == 1\n#B==2\nC == 1 # note\n\tD\t==\t x y \r\n")),
              "C=1 # note|D=x y");
}

TEST(InfoReader, FirstEqualsSeparatorDecidesBeforeSelectorMarker) {
    EXPECT_EQ(dump(configOf("A ?? B == C\nD == x ?? y\nE == a == b\n")),
              "A ?? B=C|D=x ?? y|E=a == b");
}

TEST(InfoReader, EmptyValueAndEmptyKey) {
    EXPECT_EQ(dump(configOf("A ==\n== v\nB ==   \n")), "=v|A=|B=");
}

TEST(InfoReader, QuotedValueJoinsLinesKeepingLeadingBlanks) {
    EXPECT_EQ(dump(configOf("A == \"one\n  two\\\nthree\"  \nB == 1\n")), "A=one\n  twothree|B=1");
}

TEST(InfoReader, BackslashNBackslashBecomesOneLineFeed) {
    // An empty line is no line at all; a blank one adds an empty line to the value.
    EXPECT_EQ(
        dump(configOf("A == \"a\\n\\\nb\"\nB == \"a\\n\nb\"\nC == \"\nx\"\nD == \"x\n\n  \ny\"\n")),
        "A=a\nb|B=a\\n\nb|C=\nx|D=x\n\ny");
}

TEST(InfoReader, QuotesAreStrippedFromEveryValue) {
    EXPECT_EQ(dump(configOf("A == \"x\"\nB == x\"\nC == \"\"\nD == \"\"\"\nE == \"a\"b\"\n")),
              "A=x|B=x|C=|D=|E=a\"b");
}

TEST(InfoReader, UnclosedQuoteFailsKeepsEarlierEntriesAndStillLoadsModAndIncludes) {
    const ScratchDir files;
    const std::string path =
        files.write("open.cfg", "<INCLUDE == " + files.write("inc.cfg", "I == 1\n") +
                                    "\nA == 1\nB == \"x\ny\n");
    files.write("open.cfg.MOD", "M == 1\n");
    CFG::Info config(nullptr);
    EXPECT_FALSE(config.addConfig(path));
    EXPECT_EQ(keysOf(config), (Keys{"<INCLUDE", "A", "I", "M"}));
    // The constructor empties a configuration whose file did not parse.
    EXPECT_EQ(keysOf(CFG::Info(path, nullptr)), Keys{});
}

TEST(InfoReader, SelectorBlockConsumesItsClosingLineOnly) {
    EXPECT_EQ(dump(configOf("Q ?? MODE\nLOW == a\nHIGH == b\n* == c\nMODE\nR ?? M2\n  S ?? MODE\n"
                            "  X == 1\n  MODE\n  Y == 2\nM2\nMODE == HIGH\nM2 == Y\n")),
              "M2=Y|MODE=HIGH|Q=b|R=2");
}

TEST(InfoReader, SelectorWithoutNameIsClosedByBlankLine) {
    EXPECT_EQ(dump(configOf("Q ??\n* == in\n   \nA == out\n")), "A=out|Q=in");
}

TEST(InfoReader, EndOfResourcesEndsTopLevelOnlyAndOpenBlockEndsWithText) {
    EXPECT_EQ(dump(configOf("Q ?? M\nEND_OF_CFG_RESOURCES\n* == q\nM\nA == 1\n"
                            "  END_OF_CFG_RESOURCES  \nB == 2\n")),
              "A=1|Q=q");
    EXPECT_EQ(dump(configOf("R ?? M\n* == r\n")), "R=r");
}

TEST(InfoReader, ModFilesThenIncludesInTheOrderTheirKeysWereRead) {
    const ScratchDir files;
    files.write("x.cfg", "A == x\nB == x\n<INCLUDE_1 == " + files.path("one.cfg") +
                             "\nQ ?? M\n<INCLUDE_Q == " + files.path("inner.cfg") + "\nM\n");
    files.write("x.cfg.MOD", "A == mod\n<INCLUDE_2 == " + files.path("two.cfg") + "\n");
    files.write("x.cfg.MOD.MOD", "B == modmod\nC == modmod\n");
    files.write("one.cfg", "C == one\nD == one\n");
    files.write("two.cfg", "D == two\nE == two\n");
    files.write("inner.cfg", "F == inside block\n");
    CFG::Info config(nullptr);
    EXPECT_TRUE(config.addConfig(files.path("x.cfg")));
    expectValues(config, {{"A", "mod"}, {"B", "modmod"}, {"C", "one"}, {"D", "two"}});
    // A key read inside a block is still queued and looked up as a top-level key.
    EXPECT_EQ(config.get("F"), "");
}

TEST(InfoReader, IncludePathIsLookedUpWhenLoadedThroughOverridesAndSelectors) {
    const ScratchDir files;
    CFG::Info overrides(nullptr);
    overrides.add("MODE", "HIGH");
    const CFG::Info config =
        configOf("<INCLUDE ?? MODE\nLOW == " + files.write("low.cfg", "FILE == low\n") +
                     "\nHIGH == " + files.write("high.cfg", "FILE == high\n") + "\nMODE\n",
                 &overrides);
    EXPECT_EQ(config.get("FILE"), "high");
}

TEST(InfoReader, FileIncludingItselfIsSkipped) {
    const ScratchDir files;
    files.write("self.cfg", "A == self\n<INCLUDE == ::SELF::\nSELF == " + files.path("self.cfg") +
                                "\nAGAIN == " + files.path(".") +
                                "/./self.cfg\n<INCLUDE_2 == ::AGAIN::\n");
    files.write("a.cfg", "<INCLUDE == " + files.path("b.cfg") + "\nA == a\n");
    files.write("b.cfg", "<INCLUDE == " + files.path("a.cfg") + "\nB == b\n");
    files.write("m.cfg", "M == m\n");
    files.write("m.cfg.MOD", "<INCLUDE == " + files.path("m.cfg") + "\n");
    CFG::Info config(nullptr);
    for (const char* const name : {"self.cfg", "a.cfg", "m.cfg"}) {
        EXPECT_TRUE(config.addConfig(files.path(name))) << name;
    }
    expectValues(config, {{"A", "a"}, {"B", "b"}, {"M", "m"}});
}

TEST(InfoReader, IncludeChainDeeperThanLimitStops) {
    const ScratchDir files;
    for (int link = 0; link < 100; ++link) {
        files.write("f" + std::to_string(link) + ".cfg",
                    "LAST == " + std::to_string(link) + "\n<INCLUDE == " +
                        files.path("f" + std::to_string(link + 1) + ".cfg") + "\n");
    }
    CFG::Info config(nullptr);
    EXPECT_TRUE(config.addConfig(files.path("f0.cfg")));
    EXPECT_EQ(config.get("LAST"), "31");
}

TEST(InfoReader, SelectorBlocksNestedTooDeepFailTheReading) {
    const ScratchDir files;
    std::string blocks;
    for (int depth = 0; depth < 30; ++depth) {
        blocks += "K ?? S\n";
    }
    CFG::Info config(nullptr);
    EXPECT_TRUE(config.addConfig(files.write("fine.cfg", "S == K\n" + blocks + "* == inner\n")));
    EXPECT_EQ(config.get("K"), "inner");
    for (int depth = 30; depth < 10000; ++depth) {
        blocks += "K ?? S\n";
    }
    EXPECT_FALSE(config.addConfig(files.write("deep.cfg", "A == 1\n" + blocks)));
    EXPECT_EQ(config.get("A"), "1");
}

TEST(InfoReader, IniFilesAreConvertedInAnyCaseAndReadTwice) {
    const ScratchDir files;
    files.write("b.INI.MOD", "[Mod]\nx = 1\n");
    CFG::Info config(nullptr);
    EXPECT_TRUE(config.addConfig(files.write("a.ini", "[Video]\nwidth = 800\nRAW == text\n")));
    EXPECT_TRUE(config.addConfig(files.write("b.INI", "name = \"Main\"\n")));
    EXPECT_EQ(dump(config), "::name:STR=Main|RAW=text|Video::RAW:NUM== text|Video::width:NUM=800");
    EXPECT_FALSE(config.addConfig(files.write("open.ini", "A == 1\nname = \"open\n")));
    EXPECT_EQ(config.get("A"), "");
}

TEST(InfoReader, MissingOrEmptyFileChangesNothing) {
    const ScratchDir files;
    CFG::Info config(nullptr);
    config.add("A", "1");
    EXPECT_FALSE(config.addConfig(files.path("missing.cfg")));
    EXPECT_FALSE(config.addConfig(files.write("empty.cfg", "")));
    EXPECT_EQ(dump(config), "A=1");
}

TEST(InfoAdd, ObeysTheRulesOfAFileLine) {
    CFG::Info config(nullptr);
    EXPECT_TRUE(config.add(" K ", " \"v\" "));
    EXPECT_FALSE(config.add("OPEN", "\"never closed"));
    EXPECT_TRUE(config.add("#C", "v"));
    EXPECT_TRUE(config.add("A==B", "v"));
    EXPECT_EQ(dump(config), "A=B == v|K=v");
}
