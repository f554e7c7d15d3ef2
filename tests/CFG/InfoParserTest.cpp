#include "CFGTesting.h"
#include "Support/AbortReport.h"

#include "CFG/InfoParser.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

class InfoParserTest : public testing::Test {
protected:
    InfoParserTest()
        : config(configOf("HEX == 0x10\nPX == 12px\nHALF == 2.5\nALL == 0xFFFFFFFF\nABC == abc\n"
                          "R == 3, 7\nREVERSED == 7,3\nGAPS == 1,,2 , \nF == 0.5,0x10\n"
                          "THREE == 1,2,3\nX == 1,x,2,3\nP == 0.5, 0.25, 0\nTWO == 1, 2\n"
                          "PAIRS == a=>b, c => d,,\nBAD == a=>b, x=>y=>z, c=>d\n")),
          parser(&config) {}

    CFG::Info config;
    const CFG::InfoParser parser;
};

} // namespace

TEST_F(InfoParserTest, BoolIsTrueExactlyForYesYAndOne) {
    const std::vector<std::pair<const char*, bool>> rows = {
        {"YES", true},   {"Y", true},  {"1", true},     {"yes", false},
        {"TRUE", false}, {"2", false}, {"YES!", false}, {"", false}};
    for (const auto& [value, expected] : rows) {
        config.add("K", value);
        EXPECT_EQ(parser.getBool("K"), expected) << value;
    }
    EXPECT_FALSE(parser.getBool("MISSING"));
}

TEST_F(InfoParserTest, NumbersReadHexAfter0xIgnoreTrailingTextAndThrowOnOthers) {
    EXPECT_EQ(parser.getNumber<int>("HEX"), 16);
    EXPECT_EQ(parser.getNumber<int>("PX"), 12);
    EXPECT_EQ(parser.getNumber<float>("HEX"), 0.0f);
    EXPECT_EQ(parser.getNumber<float>("HALF"), 2.5f);
    EXPECT_EQ(parser.getNumber<unsigned long>("ALL"), 4294967295ul);
    EXPECT_EQ(parser.getNumber<int>("MISSING"), 0);
    EXPECT_EQ(conversionError([this] { parser.getNumber<int>("ABC"); }),
              "Cant convert String to Num:abc");
    EXPECT_EQ(conversionError([this] { parser.getNumber<int>("ALL"); }),
              "Cant convert String to Num:0xFFFFFFFF");
}

TEST_F(InfoParserTest, RangeAndPointTakeTheirNumbersInOrder) {
    const Util::Range<int> range = parser.getRange<int>("R");
    EXPECT_EQ(std::make_pair(range.min, range.max), std::make_pair(3, 7));
    EXPECT_EQ(parser.getRange<int>("REVERSED").min, 7);
    EXPECT_EQ(parser.getRange<int>("GAPS").max, 2);
    EXPECT_EQ(parser.getRange<float>("F").max, 0.0f);
    const MathStuff::Vector3<float> point = parser.getPoint<float>("P");
    EXPECT_EQ(std::vector<float>({point.x, point.y, point.z}), std::vector<float>({0.5, 0.25, 0}));
    // Every piece is converted before the count is checked.
    EXPECT_EQ(conversionError([this] { parser.getRange<int>("X"); }),
              "Cant convert String to Num:x");
}

TEST_F(InfoParserTest, RangeOrPointOfAnotherCountAborts) {
    EXPECT_ABORT_REPORT(parser.getRange<float>("THREE"), "InfoParser::getRange",
                        "Failed to read Range THREE Got 3 values");
    EXPECT_ABORT_REPORT(parser.getRange<int>("MISSING"), "InfoParser::getRange",
                        "Failed to read Range MISSING Got 0 values");
    EXPECT_ABORT_REPORT(parser.getPoint<float>("TWO"), "InfoParser::getPoint",
                        "Failed to read Point TWO Got 2 values");
}

TEST_F(InfoParserTest, ObjectListReadsPairsInOrderAndAbortsAtTheFirstBadItem) {
    CFG::InfoParser::StringPairGettor gettor("=>");
    Pairs pairs;
    parser.getObjList("PAIRS", gettor, pairs, ",");
    parser.getObjList("MISSING", gettor, pairs, ",");
    EXPECT_EQ(pairs, (Pairs{{"a", "b"}, {"c", "d"}}));
    EXPECT_ABORT_REPORT(parser.getObjList("BAD", gettor, pairs, ","),
                        "InfoParser::StringPairGettor::operator",
                        "Invalid string pair part: x=>y=>z. Expected <str1>:<str2>, 2 parts not 3");
    EXPECT_ABORT_REPORT(gettor("=>b"), "InfoParser::StringPairGettor::operator",
                        "Invalid string pair part: =>b. Expected <str1>:<str2>, 2 parts not 1");
}
