#include "CFG/INItoCFG.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

Lines converted(const std::string& text, const bool expected = true) {
    Lines lines;
    EXPECT_EQ(CFG::INItoCFG(text, lines), expected);
    return lines;
}

} // namespace

TEST(INItoCFG, KeysCarrySectionAndTypePostfix) {
    EXPECT_EQ(converted("width = 800\n[ Video ]\nname = \"Main window\"\n[Audio\nflag=\n"
                        "key = a=b\n"),
              (Lines{"::width:NUM==\"800\"", "Video::name:STR==\"Main window\"",
                     "Audio::flag:NUM==\"\"", "Audio::key:NUM==\"a=b\""}));
    EXPECT_EQ(converted("[a]b]\nk=1\n[]\nk=2\n"), (Lines{"a::k:NUM==\"1\"", "::k:NUM==\"2\""}));
}

TEST(INItoCFG, CommentsAndLinesWithoutEqualsGiveNothing) {
    EXPECT_EQ(converted("; a = 1\n  # b = 2\nplain text\n\n   \nc=3"), (Lines{"::c:NUM==\"3\""}));
}

TEST(INItoCFG, QuotedValueContinuesOverLinesAndFailsOpenAtTheEnd) {
    EXPECT_EQ(converted("t = \"one\n  two\\\nthree\"\nu = \"\nx\"\n"),
              (Lines{"::t:STR==\"one\n  twothree\"", "::u:STR==\"\nx\""}));
    EXPECT_EQ(converted("a = 1\nb = \"open\nstill open", false), (Lines{"::a:NUM==\"1\""}));
    EXPECT_EQ(converted("a = \"", false), Lines{});
}
