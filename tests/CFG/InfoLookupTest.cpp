#include "ConfigFiles.h"

#include "CFG/Info.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using Keys = std::vector<std::string>;

TEST(InfoLookup, OverrideWinsOnlyWithNonEmptyValue) {
    const ConfigFiles files;
    CFG::Info overrides(nullptr);
    const CFG::Info config = files.read("A == 1\nB == 1\n", &overrides);
    overrides.add("A", "2");
    overrides.add("B", "");
    overrides.add("C", "3");
    expectValues(config, {{"A", "2"}, {"B", "1"}, {"C", "3"}});
    EXPECT_EQ(keysOf(config), (Keys{"A", "B"}));
}

TEST(InfoLookup, KeyReferencesAreReplacedWhenRead) {
    const ConfigFiles files;
    CFG::Info config = files.read("B == 10\nA == ::B::px\nS == ::B C::\nE == ::::\nO == x::B\n"
                                  "M == [::MISSING::]\nT == ::B::::B::\nR == a:::B::\n");
    expectValues(config, {{"A", "10px"},
                          {"S", "::B C::"},
                          {"E", "::::"},
                          {"O", "x::B"},
                          {"M", "[]"},
                          {"T", "1010"},
                          {"R", "a"}});
    config.add("B", "20");
    EXPECT_EQ(config.get("A"), "20px");
}

TEST(InfoLookup, ReferencedValueIsFullyResolved) {
    const ConfigFiles files;
    const CFG::Info config = files.read("A == ::B::\nB == >>C\nC == 5\nE == EVAL:\n"
                                        "F == ::E::(2*3)\n");
    EXPECT_EQ(config.get("A"), "5");
    EXPECT_EQ(config.get("F"), "6");
}

TEST(InfoLookup, EvaluatedValuesWrittenWithSixSignificantDigits) {
    const ConfigFiles files;
    const CFG::Info config =
        files.read("A == EVAL:(1+2)\nB == EVAL:((1+2)*2)px\nC == EVAL:(10/4)\nD == EVAL:(1/3)\n"
                   "E == EVAL:(1000*1000)\nW == 800\nF == EVAL:(::W::/2)\nG == EVAL:(2-6)::W::\n");
    expectValues(
        config,
        {{"A", "3"}, {"B", "6px"}, {"C", "2.5"}, {"D", "0.333333"}, {"E", "1e+06"}, {"F", "400"}});
    // References after the expression are replaced before it is computed.
    EXPECT_EQ(config.get("G"), "-4800");
}

TEST(InfoLookup, AliasNamesTheKeyAfterTheMarkerUntrimmed) {
    const ConfigFiles files;
    CFG::Info overrides(nullptr);
    const CFG::Info config = files.read("A == >>B\nB == 7\nS == >> B\nX == mine\n", &overrides);
    EXPECT_EQ(config.get("A"), "7");
    EXPECT_EQ(config.get("S"), "");
    overrides.add("X", ">>NOT_IN_OVERRIDES");
    EXPECT_EQ(config.get("X"), "mine");
    overrides.add("X", ">>B");
    overrides.add("B", "9");
    EXPECT_EQ(config.get("X"), "9");
}

TEST(InfoLookup, SelectorChoosesCaseThenStar) {
    const ConfigFiles files;
    CFG::Info overrides(nullptr);
    CFG::Info config = files.read("Q ?? MODE\nLOW == a\nHIGH == b\n* == c\nMODE\n"
                                  "N ?? MODE\nLOW == a\nMODE\n",
                                  &overrides);
    EXPECT_EQ(config.get("Q"), "c");
    EXPECT_EQ(config.get("N"), "");
    config.add("MODE", "HIGH");
    EXPECT_EQ(config.get("Q"), "b");
    // Case names are asked of the overrides first.
    overrides.add("HIGH", "z");
    EXPECT_EQ(config.get("Q"), "z");
    overrides.add("MODE", "OTHER");
    EXPECT_EQ(config.get("Q"), "c");
    EXPECT_EQ(keysOf(config), (Keys{"MODE", "N", "Q"}));
}

TEST(InfoLookup, NestedSelectorsEachUseTheirOwnSelector) {
    const ConfigFiles files;
    const CFG::Info config = files.read("Q ?? OUTER\nA ?? INNER\nX == ax\n* == a*\nINNER\n"
                                        "* == q*\nOUTER\nOUTER == ::PICK::\nPICK == A\n"
                                        "INNER == X\n");
    EXPECT_EQ(config.get("Q"), "ax");
}

TEST(InfoLookup, ResetKeepsParentAndPendingIncludes) {
    const ConfigFiles files;
    CFG::Info overrides(nullptr);
    overrides.add("P", "parent");
    CFG::Info config = files.read("A == 1\nQ ?? M\n* == q\nM\n", &overrides);
    config.add("<INCLUDE", "queued before the reset");
    config.reset();
    EXPECT_EQ(keysOf(config), Keys{});
    EXPECT_EQ(config.get("A"), "");
    EXPECT_EQ(config.get("P"), "parent");
    overrides.add("<INCLUDE", files.write("later.cfg", "L == 1\n"));
    config.addConfig(files.write("other.cfg", "O == 1\n"));
    EXPECT_EQ(config.get("L"), "1");
}

TEST(InfoLookup, ReplaceKeysOnArbitraryText) {
    CFG::Info overrides(nullptr);
    overrides.add("SIZE", "64");
    CFG::Info config(&overrides);
    config.add("COUNT", "::SIZE::");
    EXPECT_EQ(config.replaceKeys("#define N ::COUNT::\n:: not a key ::\nend::"),
              "#define N 64\n:: not a key ::\nend::");
}

TEST(InfoLookupCycles, SelfReferenceAliasAndSelectorGiveEmptyText) {
    const ConfigFiles files;
    const CFG::Info config = files.read("A == >>A\nB == ::B::\nC == x::C::y\nD == ::E::\n"
                                        "E == >>D\nQ ?? Q\n* == star\nQ\nV == EVAL:(1+::V::)\n"
                                        "W == ::W::::W::::W::\n");
    for (const std::string key : {"A", "B", "C", "D", "E", "Q", "V", "W"}) {
        EXPECT_EQ(config.get(key), "") << key;
    }
}

TEST(InfoLookupCycles, CyclicOverrideLeavesTheConfigurationsOwnValue) {
    const ConfigFiles files;
    CFG::Info overrides(nullptr);
    overrides.add("A", ">>A");
    const CFG::Info config = files.read("A == own\nB == ::A::\n", &overrides);
    EXPECT_EQ(overrides.get("A"), "");
    EXPECT_EQ(config.get("A"), "own");
    EXPECT_EQ(config.get("B"), "own");
}

TEST(InfoLookupCycles, LongChainsResolveAndExponentialFanOutGivesEmptyText) {
    CFG::Info config(nullptr);
    for (int link = 0; link < 40; ++link) {
        config.add("CHAIN" + std::to_string(link), ">>CHAIN" + std::to_string(link + 1));
        config.add("FAN" + std::to_string(link), "::FAN" + std::to_string(link + 1) + "::::FAN" +
                                                     std::to_string(link + 1) + "::");
    }
    config.add("CHAIN40", "end");
    config.add("FAN40", "x");
    expectValues(config, {{"CHAIN0", "end"}, {"FAN30", std::string(1024, 'x')}, {"FAN0", ""}});
    // A read that ran out does not spoil the next one.
    EXPECT_EQ(config.get("FAN35"), std::string(32, 'x'));
}

TEST(InfoLookup, ExpressionWithoutOperandThrowsTheConversionError) {
    const ConfigFiles files;
    const CFG::Info config = files.read("A == EVAL:()\nB == EVAL:(1+2\nC == EVAL:(4)\n");
    // More failed reads than the lookup's depth limit: none may leave its depth behind.
    for (int read = 0; read < 100; ++read) {
        const std::string key = read % 2 == 0 ? "A" : "B";
        try {
            config.get(key);
            ADD_FAILURE() << key << " gave no error";
        } catch (const std::domain_error& error) {
            EXPECT_EQ(std::string(error.what()), "Cant convert String to Num:") << key;
        }
    }
    EXPECT_EQ(config.get("C"), "4");
}
