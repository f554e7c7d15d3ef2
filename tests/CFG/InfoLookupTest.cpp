#include "CFGTesting.h"

#include "CFG/Info.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

TEST(InfoLookup, OverrideWinsOnlyWithNonEmptyValue) {
    CFG::Info overrides(nullptr);
    const CFG::Info config = configOf("A == 1\nB == 1\n", &overrides);
    overrides.add("A", "2");
    overrides.add("B", "");
    overrides.add("C", "3");
    EXPECT_EQ(dump(config), "A=2|B=1");
    EXPECT_EQ(config.get("C"), "3");
}

TEST(InfoLookup, KeyReferencesAreReplacedWhenRead) {
    CFG::Info config = configOf("B == 10\nA == ::B::px\nS == ::B C::\nE == ::::\nO == x::B\n"
                                "M == [::MISSING::]\nT == ::B::::B::\nR == a:::B::\n");
    EXPECT_EQ(dump(config), "A=10px|B=10|E=::::|M=[]|O=x::B|R=a|S=::B C::|T=1010");
    config.add("B", "20");
    EXPECT_EQ(config.get("A"), "20px");
}

TEST(InfoLookup, ReferencedValueIsFullyResolved) {
    const CFG::Info config =
        configOf("A == ::B::\nB == >>C\nC == 5\nE == EVAL:\nF == ::E::(2*3)\n");
    EXPECT_EQ(dump(config), "A=5|B=5|C=5|E=EVAL:|F=6");
}

TEST(InfoLookup, EvaluatedValuesWrittenWithSixSignificantDigits) {
    // References after the expression are replaced before it is computed.
    EXPECT_EQ(dump(configOf("A == EVAL:(1+2)\nB == EVAL:((1+2)*2)px\nC == EVAL:(10/4)\n"
                            "D == EVAL:(1/3)\nE == EVAL:(1000*1000)\nF == EVAL:(::W::/2)\n"
                            "G == EVAL:(2-6)::W::\nW == 800\n")),
              "A=3|B=6px|C=2.5|D=0.333333|E=1e+06|F=400|G=-4800|W=800");
}

TEST(InfoLookup, AliasNamesTheKeyAfterTheMarkerUntrimmed) {
    EXPECT_EQ(dump(configOf("A == >>B\nB == 7\nS == >> B\n")), "A=7|B=7|S=");
}

TEST(InfoLookup, SelectorChoosesCaseThenStar) {
    CFG::Info overrides(nullptr);
    CFG::Info config = configOf("Q ?? MODE\nLOW == a\nHIGH == b\n* == c\nMODE\n"
                                "N ?? MODE\nLOW == a\nMODE\n",
                                &overrides);
    EXPECT_EQ(dump(config), "N=|Q=c");
    config.add("MODE", "HIGH");
    EXPECT_EQ(config.get("Q"), "b");
    // Case names are asked of the overrides first.
    overrides.add("HIGH", "z");
    EXPECT_EQ(config.get("Q"), "z");
    overrides.add("MODE", "OTHER");
    EXPECT_EQ(config.get("Q"), "c");
}

TEST(InfoLookup, NestedSelectorsEachUseTheirOwnSelector) {
    EXPECT_EQ(configOf("Q ?? OUTER\nA ?? INNER\nX == ax\n* == a*\nINNER\n* == q*\nOUTER\n"
                       "OUTER == ::PICK::\nPICK == A\nINNER == X\n")
                  .get("Q"),
              "ax");
}

TEST(InfoLookup, ResetKeepsParentAndPendingIncludes) {
    const ScratchDir files;
    CFG::Info overrides(nullptr);
    overrides.add("P", "parent");
    CFG::Info config = configOf("A == 1\nQ ?? M\n* == q\nM\n", &overrides);
    config.add("<INCLUDE", "queued before the reset");
    config.reset();
    EXPECT_EQ(dump(config), "");
    EXPECT_EQ(config.get("A"), "");
    EXPECT_EQ(config.get("P"), "parent");
    overrides.add("<INCLUDE", files.write("later.cfg", "L == 1\n"));
    config.addConfig(files.write("other.cfg", "O == 1\n"));
    EXPECT_EQ(config.get("L"), "1");
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
    EXPECT_EQ(overrides.get("A"), "");
    EXPECT_EQ(dump(config), "A=own|B=own|X=mine");
}

TEST(InfoLookupCycles, LongChainsResolveAndExponentialFanOutGivesEmptyText) {
    CFG::Info config(nullptr);
    for (int link = 0; link < 40; ++link) {
        const std::string next = std::to_string(link + 1);
        config.add("CHAIN" + std::to_string(link), ">>CHAIN" + next);
        config.add("FAN" + std::to_string(link), "::FAN" + next + "::::FAN" + next + "::");
    }
    config.add("CHAIN40", "end");
    config.add("FAN40", "x");
    expectValues(config, {{"CHAIN0", "end"}, {"FAN30", std::string(1024, 'x')}, {"FAN0", ""}});
    // A read that ran out does not spoil the next one.
    EXPECT_EQ(config.get("FAN35"), std::string(32, 'x'));
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
