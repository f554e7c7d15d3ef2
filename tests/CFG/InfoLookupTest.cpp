#include "CFGTesting.h"

#include "CFG/Info.h"
#include "Files/TextFile.h"

#include <gtest/gtest.h>

TEST(InfoLookup, ResolvesReferencesExpressionsAliasesAndSelectorsWhenRead) {
    expectDumps({
        {"references", "B == 10\nA == ::B::px\nS == ::B C::\nE == ::::\nO == x::B\nR == a:::B::\n",
         "A=10px|B=10|E=::::|O=x::B|R=a|S=::B C::"},
        {"missing and adjacent references", "B == 1\nM == [::MISSING::]\nT == ::B::::B::\n",
         "B=1|M=[]|T=11"},
        {"referenced value fully resolved",
         "A == ::B::\nB == >>C\nC == 5\nE == EVAL:\nF == ::E::(2*3)\n", "A=5|B=5|C=5|E=EVAL:|F=6"},
        // References after the expression are replaced before it is computed.
        {"expressions written with six significant digits",
         "A == EVAL:(1+2)\nB == EVAL:((1+2)*2)px\nC == EVAL:(10/4)\nD == EVAL:(1/3)\n"
         "E == EVAL:(1000*1000)\nF == EVAL:(::W::/2)\nG == EVAL:(2-6)::W::\nW == 800\n",
         "A=3|B=6px|C=2.5|D=0.333333|E=1e+06|F=400|G=-4800|W=800"},
        {"alias names the key after the marker untrimmed", "A == >>B\nB == 7\nS == >> B\n",
         "A=7|B=7|S="},
        {"nested selectors each use their own selector",
         "Q ?? OUTER\nA ?? INNER\nX == ax\n* == a*\nINNER\n* == q*\nOUTER\nOUTER == ::P::\n"
         "P == A\nINNER == X\n",
         "INNER=X|OUTER=A|P=A|Q=ax"},
    });
}

TEST(InfoLookup, OverrideWinsOnlyWithNonEmptyValue) {
    CFG::Info overrides(nullptr);
    const CFG::Info config = configOf("A == 1\nB == 1\n", &overrides);
    overrides.add("A", "2");
    overrides.add("B", "");
    overrides.add("C", "3");
    EXPECT_EQ(dump(config), "A=2|B=1");
    EXPECT_EQ(config.get("C"), "3");
    // A parent of a class derived from Info is asked through its own get.
    struct Derived : CFG::Info {
        Derived() : Info(nullptr) {}
        std::string get(const std::string& key) const override { return key + "!"; }
    } derived;
    EXPECT_EQ(dump(configOf("A == 1\n", &derived)), "A=A!");
}

TEST(InfoLookup, SelectorChoosesCaseThenStar) {
    CFG::Info overrides(nullptr);
    CFG::Info config = configOf(
        "Q ?? MODE\nLOW == a\nHIGH == b\n* == c\nMODE\nN ?? MODE\nLOW == a\nMODE\n", &overrides);
    EXPECT_EQ(dump(config), "N=|Q=c");
    config.add("MODE", "HIGH");
    EXPECT_EQ(config.get("Q"), "b");
    // Case names are asked of the overrides first.
    overrides.add("HIGH", "z");
    EXPECT_EQ(config.get("Q"), "z");
    overrides.add("MODE", "OTHER");
    EXPECT_EQ(config.get("Q"), "c");
}

TEST(InfoLookup, ResetKeepsParentAndPendingIncludes) {
    const ScratchDir files;
    CFG::Info overrides(nullptr);
    overrides.add("P", "parent");
    CFG::Info config = configOf("A == 1\nQ ?? M\n* == q\nM\n", &overrides);
    config.add("<INCLUDE", "queued before the reset");
    config.reset();
    EXPECT_EQ(dump(config), "");
    EXPECT_EQ(config.get("P"), "parent");
    overrides.add("<INCLUDE", files.write("later.cfg", "L == 1\n"));
    config.addConfig(files.write("other.cfg", "O == 1\n"));
    EXPECT_EQ(dump(config), "L=1|O=1");
}

TEST(InfoLookupCycles, SelfReferenceAliasAndSelectorGiveEmptyText) {
    EXPECT_EQ(dump(configOf("A == >>A\nB == ::B::\nC == x::C::y\nD == ::E::\nE == >>D\nQ ?? Q\n"
                            "* == star\nQ\nV == EVAL:(1+::V::)\nW == ::W::::W::::W::\n")),
              "A=|B=|C=|D=|E=|Q=|V=|W=");
}

TEST(InfoLookupCycles, CyclicOverrideLeavesTheConfigurationsOwnValue) {
    CFG::Info overrides(nullptr);
    overrides.add("A", ">>A");
    overrides.add("X", ">>NOT_IN_OVERRIDES");
    const CFG::Info config = configOf("A == own\nB == ::A::\nX == mine\n", &overrides);
    EXPECT_EQ(dump(overrides), "A=|X=");
    EXPECT_EQ(dump(config), "A=own|B=own|X=mine");
}

TEST(InfoLookupCycles, ValuesWithoutCycleResolveWholeUpToTheTextBound) {
    CFG::Info config(nullptr);
    std::string many;
    for (int link = 0; link < 40; ++link) {
        const std::string next = std::to_string(link + 1);
        config.add("CHAIN" + std::to_string(link), ">>CHAIN" + next);
        config.add("FAN" + std::to_string(link), "::FAN" + next + "::::FAN" + next + "::");
    }
    for (int reference = 0; reference < 4096; ++reference) {
        many += "::CHAIN0::";
    }
    config.add("CHAIN40", "end");
    config.add("FAN40", "x");
    config.add("MANY", many);
    EXPECT_EQ(config.get("CHAIN0"), "end");
    EXPECT_EQ(config.get("MANY").size(), 4096u * 3);
    // A diamond of references 20 deep, and one whose text would pass 4 MiB.
    EXPECT_EQ(config.get("FAN20"), std::string(1 << 20, 'x'));
    EXPECT_EQ(config.get("FAN0"), "");
    // A read that gave up does not spoil the next one.
    EXPECT_EQ(config.get("FAN35"), std::string(32, 'x'));
    // At the bound: a value that names a text of 2 MiB resolves to 2 MiB more, 4 MiB in all; a
    // byte beside the reference takes the read past 4 MiB.
    const std::string half(2 << 20, 'x');
    config.add("HALF", half);
    config.add("AT_BOUND", "::HALF::");
    config.add("PAST_BOUND", "::HALF::y");
    EXPECT_EQ(config.get("AT_BOUND").size(), half.size());
    EXPECT_EQ(config.get("PAST_BOUND").size(), 0u);
}

TEST(InfoLookup, ExpressionWithoutOperandThrowsTheConversionError) {
    const CFG::Info config = configOf("A == EVAL:()\nB == EVAL:(1+2\nC == EVAL:(4)\n");
    // More failed reads than the lookup's depth limit: none may leave its depth behind.
    for (int read = 0; read < 100; ++read) {
        const std::string key = read % 2 == 0 ? "A" : "B";
        EXPECT_EQ(conversionError([&config, &key] { config.get(key); }),
                  "Cant convert String to Num:")
            << key;
    }
    EXPECT_EQ(config.get("C"), "4");
}

TEST(TextFileLoadAndReplaceCfg, ReplacesTextWithLoadedKeysSubstitutedOrLeavesItOnFailure) {
    const ScratchDir files;
    CFG::Info overrides(nullptr);
    overrides.add("SIZE", "16");
    CFG::Info config(&overrides);
    config.add("COUNT", "::SIZE::");
    std::string text = "old";
    EXPECT_FALSE(Files::TextFile::loadAndReplaceCfg(&config, files.path("none.glsl"), text, "\n"));
    EXPECT_FALSE(
        Files::TextFile::loadAndReplaceCfg(&config, files.write("0.glsl", ""), text, "\n"));
    EXPECT_EQ(text, "old");
    const std::string path =
        files.write("a.glsl", "#define N ::COUNT::\n#define K ::A B::\n\nend ::MISSING:: x::");
    EXPECT_TRUE(Files::TextFile::loadAndReplaceCfg(&config, path, text, "\n"));
    EXPECT_EQ(text, "#define N 16\n#define K ::A B::\n\nend  x::\n");
}
