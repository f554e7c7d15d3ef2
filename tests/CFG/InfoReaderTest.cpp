#include "CFGTesting.h"
#include "Support/HeapCounter.h"

#include "CFG/INItoCFG.h"
#include "CFG/Info.h"

#include <gtest/gtest.h>

TEST(InfoReader, ReadsEachLineByTheFormatRules) {
    expectDumps({
        {"later definition wins", "A == 1\nB == 1\nA == 2\n", "A=2|B=1"},
        {"byte-order mark skipped", "\357\273\277A == 1\n", "A=1"},
        {"comment only at line start, value keeps trailing text",
         "  # A == 1\n#B==2\nC == 1 # note\n\tD\t==\t x y \r\n", "C=1 # note|D=x y"},
        {"first separator decides before selector marker",
         "A ?? B == C\nD == x ?? y\nE == a == b\n", "A ?? B=C|D=x ?? y|E=a == b"},
        {"empty value and empty key", "A ==\n== v\nB ==   \n", "=v|A=|B="},
        {"quoted value joins lines keeping leading blanks",
         "A == \"one\n  two\\\nthree\"  \nB == 1\n", "A=one\n  twothree|B=1"},
        // An empty line is no line at all; a blank one adds an empty line to the value.
        {"backslash n backslash becomes one line feed",
         "A == \"a\\n\\\nb\"\nB == \"a\\n\nb\"\nC == \"\nx\"\nD == \"x\n\n  \ny\"\n",
         "A=a\nb|B=a\\n\nb|C=\nx|D=x\n\ny"},
        {"quotes stripped from every value",
         "A == \"x\"\nB == x\"\nC == \"\"\nD == \"\"\"\nE == \"a\"b\"\n", "A=x|B=x|C=|D=|E=a\"b"},
        {"selector block consumes its closing line only",
         "Q ?? MODE\nLOW == a\nHIGH == b\n* == c\nMODE\nR ?? M2\n  S ?? MODE\n  X == 1\n  MODE\n"
         "  Y == 2\nM2\nMODE == HIGH\nM2 == Y\n",
         "M2=Y|MODE=HIGH|Q=b|R=2"},
        {"selector without name closed by blank line", "Q ??\n* == in\n   \nA == out\n",
         "A=out|Q=in"},
        {"end of resources ends the top level only",
         "Q ?? M\nEND_OF_CFG_RESOURCES\n* == q\nM\nA == 1\n  END_OF_CFG_RESOURCES  \nB == 2\n",
         "A=1|Q=q"},
        {"block open at the end of the text closes there", "R ?? M\n* == r\n", "R=r"},
    });
}

TEST(InfoReader, UnclosedQuoteFailsKeepsEarlierEntriesAndStillLoadsModAndIncludes) {
    const ScratchDir files;
    const std::string path =
        files.write("open.cfg", "<INCLUDE == " + files.write("inc.cfg", "I == 1\n") +
                                    "\nA == 1\nB == \"x\ny\n");
    files.write("open.cfg.MOD", "M == 1\n");
    CFG::Info config(nullptr);
    EXPECT_FALSE(config.addConfig(path));
    EXPECT_EQ(dump(config), "<INCLUDE=" + files.path("inc.cfg") + "|A=1|I=1|M=1");
    // The constructor empties a configuration whose file did not parse.
    EXPECT_EQ(dump(CFG::Info(path, nullptr)), "");
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
    EXPECT_EQ(config.get("A"), "mod");
    EXPECT_EQ(config.get("B"), "modmod");
    EXPECT_EQ(config.get("C"), "one");
    EXPECT_EQ(config.get("D"), "two");
    // A key read inside a block is still queued and looked up as a top-level key.
    EXPECT_EQ(config.get("F"), "");
}

TEST(InfoReader, EachLoadSeesTheModFilesOfItsTime) {
    // A load counts its missed mod files afresh: the misses of eight loads, counted together,
    // would list the folder before y.cfg.MOD is written.
    for (const int loads : {1, 8}) {
        const ScratchDir files;
        CFG::Info config(nullptr);
        for (int load = 0; load < loads; ++load) {
            EXPECT_TRUE(
                config.addConfig(files.write("x" + std::to_string(load) + ".cfg", "A == x\n")));
        }
        files.write("y.cfg.MOD", "A == ymod\n");
        EXPECT_TRUE(config.addConfig(files.write("y.cfg", "A == y\n")));
        EXPECT_EQ(config.get("A"), "ymod") << loads << " loads first";
    }
}

TEST(InfoReader, ModFilesOfManyIncludedFilesLoadOnceTheirFolderIsListed) {
    // After missing the mod files of the first few files, the load lists their folder.
    const ScratchDir files;
    std::string including;
    for (int part = 0; part < 40; ++part) {
        const std::string key = "P" + std::to_string(part);
        including +=
            "<INCLUDE_" + key + " == " + files.write(key + ".cfg", key + " == plain\n") + "\n";
    }
    files.write("P30.cfg.MOD", "P30 == mod\n");
    files.write("P39.cfg.MOD", "P39 == mod\n");
    files.write("P39.cfg.MOD.MOD", "P39 == modmod\n");
    CFG::Info config(nullptr);
    EXPECT_TRUE(config.addConfig(files.write("including.cfg", including)));
    std::string values;
    for (const char* key : {"P0", "P29", "P30", "P31", "P38", "P39"}) {
        values += config.get(key) + " ";
    }
    EXPECT_EQ(values, "plain plain mod plain plain modmod ");
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

TEST(InfoReader, IncludesStopAtAFileBeingLoadedAndAtTheDepthLimit) {
    // A ring of three files, the last naming the first through another spelling of its path:
    // loading any of them again would leave another file's value in K.
    const ScratchDir files;
    files.write("a.cfg", "K == a\n<INCLUDE == " + files.path("b.cfg") + "\n");
    files.write("b.cfg", "K == b\n<INCLUDE == " + files.path("c.cfg") + "\n");
    files.write("c.cfg", "K == c\n<INCLUDE == " + files.path("./a.cfg") + "\n");
    for (int link = 0; link < 100; ++link) {
        files.write("f" + std::to_string(link) + ".cfg",
                    "LAST == " + std::to_string(link) + "\n<INCLUDE == " +
                        files.path("f" + std::to_string(link + 1) + ".cfg") + "\n");
    }
    CFG::Info config(nullptr);
    EXPECT_TRUE(config.addConfig(files.path("a.cfg")));
    EXPECT_TRUE(config.addConfig(files.path("f0.cfg")));
    EXPECT_EQ(config.get("K"), "c");
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

namespace {

using Lines = std::vector<std::string>;

Lines converted(const std::string& text, const bool expected = true) {
    Lines lines;
    EXPECT_EQ(CFG::INItoCFG(text, lines), expected);
    return lines;
}

} // namespace

TEST(INItoCFG, KeysCarrySectionAndTypePostfixAndQuotedValuesContinueOverLines) {
    EXPECT_EQ(converted("width = 800\n[ Video ]\nname = \"Main window\"\n[Audio\nflag=\n"
                        "key = a=b\n; a = 1\n  # b = 2\nplain text\n\n   \n"),
              (Lines{"::width:NUM==\"800\"", "Video::name:STR==\"Main window\"",
                     "Audio::flag:NUM==\"\"", "Audio::key:NUM==\"a=b\""}));
    EXPECT_EQ(converted("[a]b]\nk=1\n[]\nk=2\"\nt = \"one\n  two\\\nthree\"\nu = \"\nx\"\n"),
              (Lines{"a::k:NUM==\"1\"", "::k:NUM==\"2\"", "::t:STR==\"one\n  twothree\"",
                     "::u:STR==\"\nx\""}));
    EXPECT_EQ(converted("a = 1\nb = \"open\nstill open", false), (Lines{"::a:NUM==\"1\""}));
}

TEST(InfoReader, IniFilesAreConvertedInAnyCaseAndReadTwice) {
    const ScratchDir files;
    files.write("b.INI.MOD", "[Mod]\nx = 1\n");
    CFG::Info config(nullptr);
    EXPECT_TRUE(
        config.addConfig(files.write("a.ini", "\xEF\xBB\xBF[Video]\nwidth = 800\nRAW == text\n")));
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
    EXPECT_TRUE(config.add("M", "one\nN == two"));
    EXPECT_EQ(dump(config), "A=B == v|K=v|M=one\nN == two");
}

TEST(InfoReader, ReadingTheSameTextsAgainKeepsTheHeapFlat) {
    const ScratchDir files;
    std::string text = "Q ?? MODE\nLOW == \"one\ntwo\"\n* == star\nMODE\n";
    for (int key = 0; key < 200; ++key) {
        text += "K" + std::to_string(key) + " == a value too long for a short string\n";
    }
    const std::string cfg = files.write("big.cfg", text);
    const std::string ini = files.write("big.ini", "[S]\nk = 1\nj = \"q\"\n");
    CFG::Info config(nullptr);
    std::size_t before = 0;
    for (int round = 0; round < 100; ++round) {
        config.addConfig(cfg);
        config.addConfig(ini);
        config.add("FRAME", "a value too long for a short string " + std::to_string(round % 10));
        before = round == 0 ? HeapCounter::s_live : before;
    }
    EXPECT_LT(HeapCounter::s_live, before + text.size());
    EXPECT_EQ(config.get("Q"), "star");
    EXPECT_EQ(config.get("FRAME"), "a value too long for a short string 9");
}
