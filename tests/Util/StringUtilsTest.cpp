#include "Util/StringUtils.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace {

using Pieces = std::vector<std::string>;

// The pieces appended behind an earlier entry, which must stay and count in the result.
Pieces split(const std::string& text, const std::string& delimiter, const bool keepEmpty,
             const bool trimPieces) {
    Pieces out{"earlier"};
    const std::size_t count = Util::splitString(text, delimiter, out, keepEmpty, trimPieces);
    EXPECT_EQ(count, out.size());
    EXPECT_EQ(out.front(), "earlier");
    return Pieces(out.begin() + 1, out.end());
}

} // namespace

TEST(SplitString, CutsAtEveryWholeDelimiterAndDropsEmptyPiecesUnlessKept) {
    EXPECT_EQ(split("a,,b", ",", false, false), (Pieces{"a", "b"}));
    EXPECT_EQ(split("a,,b", ",", true, false), (Pieces{"a", "", "b"}));
    EXPECT_EQ(split(",a,", ",", true, false), (Pieces{"", "a", ""}));
    EXPECT_EQ(split("", ",", false, false), Pieces{});
    EXPECT_EQ(split("", ",", true, false), Pieces{""});
    EXPECT_EQ(split(" a , ", ",", false, true), (Pieces{"a"}));
    EXPECT_EQ(split(" a , ", ",", true, true), (Pieces{"a", ""}));
    EXPECT_EQ(split(" a , ", ",", true, false), (Pieces{" a ", " "}));
    EXPECT_EQ(split("x => y", "=>", false, true), (Pieces{"x", "y"}));
    EXPECT_EQ(split("a===b", "==", true, false), (Pieces{"a", "=b"}));
    EXPECT_EQ(split("a=b", "=>", false, true), (Pieces{"a=b"}));
}

TEST(SplitString, EmptyDelimiterLeavesTheTextWhole) {
    EXPECT_EQ(split(" a,b ", "", false, true), (Pieces{"a,b"}));
    EXPECT_EQ(split("", "", false, false), Pieces{});
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
    EXPECT_TRUE(Util::startswith("abc", "ab"));
    EXPECT_FALSE(Util::startswith("ab", "abc"));
    EXPECT_FALSE(Util::startswith("Abc", "ab"));
    EXPECT_TRUE(Util::endswith("file.cfg", ".cfg"));
    EXPECT_FALSE(Util::endswith("file.CFG", ".cfg"));
    EXPECT_FALSE(Util::endswith("cfg", ".cfg"));
}
