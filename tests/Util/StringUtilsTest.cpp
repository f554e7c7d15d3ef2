#include "Util/StringUtils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Pieces = std::vector<std::string>;

Pieces split(const std::string& text, const std::string& delimiter, const bool keepEmpty,
             const bool trimPieces) {
    Pieces out;
    Util::splitString(text, delimiter, out, keepEmpty, trimPieces);
    return out;
}

} // namespace

TEST(SplitString, EmptyPiecesAreDroppedUnlessKept) {
    EXPECT_EQ(split("a,,b", ",", false, false), (Pieces{"a", "b"}));
    EXPECT_EQ(split("a,,b", ",", true, false), (Pieces{"a", "", "b"}));
    EXPECT_EQ(split("a,", ",", false, false), (Pieces{"a"}));
    EXPECT_EQ(split("a,", ",", true, false), (Pieces{"a", ""}));
    EXPECT_EQ(split(",a", ",", true, false), (Pieces{"", "a"}));
    EXPECT_EQ(split("", ",", false, false), Pieces{});
    EXPECT_EQ(split("", ",", true, false), Pieces{""});
}

TEST(SplitString, TrimmedBlankPiecesCountAsEmpty) {
    EXPECT_EQ(split(" a , ", ",", false, true), (Pieces{"a"}));
    EXPECT_EQ(split(" a , ", ",", true, true), (Pieces{"a", ""}));
    EXPECT_EQ(split(" a , ", ",", true, false), (Pieces{" a ", " "}));
}

TEST(SplitString, DelimiterIsAWholeStringMatchedWithoutOverlap) {
    EXPECT_EQ(split("x => y", "=>", false, true), (Pieces{"x", "y"}));
    EXPECT_EQ(split("x==y", "==", true, true), (Pieces{"x", "y"}));
    EXPECT_EQ(split("a===b", "==", true, false), (Pieces{"a", "=b"}));
    EXPECT_EQ(split("a=b", "=>", false, true), (Pieces{"a=b"}));
}

TEST(SplitString, EmptyDelimiterLeavesTheTextWhole) {
    EXPECT_EQ(split(" a,b ", "", false, true), (Pieces{"a,b"}));
    EXPECT_EQ(split("", "", false, false), Pieces{});
}

TEST(SplitString, AppendsAndCountsEarlierEntries) {
    Pieces out{"old"};
    EXPECT_EQ(Util::splitString("a,b", ",", out, false, false), 3u);
    EXPECT_EQ(out, (Pieces{"old", "a", "b"}));
}

TEST(Trim, StripsSetCharactersFromBothEndsOnly) {
    EXPECT_EQ(Util::trim("  a b \t", Util::BLANKS), "a b");
    EXPECT_EQ(Util::trim(" \t\r\n \n", Util::BLANKS), "");
    EXPECT_EQ(Util::trim("", Util::BLANKS), "");
    EXPECT_EQ(Util::trim("\"a \"b\"\"", "\""), "a \"b");
    EXPECT_EQ(Util::trim("\va\v", Util::BLANKS), "\va\v");
}

TEST(PrefixAndSuffix, CompareBytesCaseSensitively) {
    EXPECT_TRUE(Util::startswith("abc", ""));
    EXPECT_TRUE(Util::endswith("", ""));
    EXPECT_TRUE(Util::startswith("abc", "ab"));
    EXPECT_FALSE(Util::startswith("ab", "abc"));
    EXPECT_FALSE(Util::startswith("Abc", "ab"));
    EXPECT_TRUE(Util::endswith("file.cfg", ".cfg"));
    EXPECT_FALSE(Util::endswith("file.CFG", ".cfg"));
    EXPECT_FALSE(Util::endswith("cfg", ".cfg"));
}
