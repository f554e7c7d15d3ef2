#include "CFGTesting.h"

#include "CFG/InfoParser.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <utility>
#include <vector>

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

class InfoParserTest : public testing::Test {
protected:
    InfoParserTest()
        : config(configOf("HEX == 0x10\nPX == 12px\nHALF == 2.5\nALL == 0xFFFFFFFF\nABC == abc\n"
                          "R == 3, 7\nREVERSED == 7,3\nGAPS == 1,,2 , \nF == 0.5,0x10\nONE == 3\n"
                          "THREE == 1,2,3\nX == 1,x,2,3\nP == 0.5, 0.25, 0\nTWO == 1, 2\n"
                          "PAIRS == a=>b, c => d,,\nBAD == a=>b, x=>y=>z, c=>d\n")),
          parser(&config) {}

    CFG::Info config;
    const CFG::InfoParser parser;
};

const auto ABORTED = testing::KilledBySignal(SIGABRT);

} // namespace

TEST_F(InfoParserTest, BoolIsTrueExactlyForYesYAndOne) {
    for (const char* const value : {"YES", "Y", "1"}) {
        config.add("K", value);
        EXPECT_TRUE(parser.getBool("K")) << value;
    }
    for (const char* const value : {"yes", "y", "TRUE", "2", "YES!", ""}) {
        config.add("K", value);
        EXPECT_FALSE(parser.getBool("K")) << value;
    }
    EXPECT_FALSE(parser.getBool("MISSING"));
}

TEST_F(InfoParserTest, NumbersReadHexAfter0xAndIgnoreTrailingText) {
    EXPECT_EQ(parser.getNumber<int>("HEX"), 16);
    EXPECT_EQ(parser.getNumber<int>("PX"), 12);
    EXPECT_EQ(parser.getNumber<float>("HEX"), 0.0f);
    EXPECT_EQ(parser.getNumber<float>("HALF"), 2.5f);
    EXPECT_EQ(parser.getNumber<unsigned int>("ALL"), 4294967295u);
    EXPECT_EQ(parser.getNumber<unsigned long>("ALL"), 4294967295ul);
    EXPECT_EQ(parser.getNumber<int>("MISSING"), 0);
}

TEST_F(InfoParserTest, NumberThatIsNotOneThrowsWithTheValueText) {
    EXPECT_EQ(conversionError([this] { parser.getNumber<int>("ABC"); }),
              "Cant convert String to Num:abc");
    EXPECT_EQ(conversionError([this] { parser.getNumber<int>("ALL"); }),
              "Cant convert String to Num:0xFFFFFFFF");
}

TEST_F(InfoParserTest, RangeTakesTwoNumbersInTheirOrder) {
    const Util::Range<int> range = parser.getRange<int>("R");
    EXPECT_EQ(std::make_pair(range.min, range.max), std::make_pair(3, 7));
    EXPECT_EQ(parser.getRange<int>("REVERSED").min, 7);
    EXPECT_EQ(parser.getRange<int>("GAPS").max, 2);
    EXPECT_EQ(parser.getRange<float>("F").min, 0.5f);
    EXPECT_EQ(parser.getRange<float>("F").max, 0.0f);
}

TEST_F(InfoParserTest, RangeOfOtherCountAborts) {
    EXPECT_EXIT(parser.getRange<int>("ONE"), ABORTED,
                abortReport("InfoParser::getRange", "Failed to read Range ONE Got 1 values"));
    EXPECT_EXIT(parser.getRange<float>("THREE"), ABORTED,
                abortReport("InfoParser::getRange", "Failed to read Range THREE Got 3 values"));
    EXPECT_EXIT(parser.getRange<int>("MISSING"), ABORTED,
                abortReport("InfoParser::getRange", "Failed to read Range MISSING Got 0 values"));
}

TEST_F(InfoParserTest, RangePieceThatIsNotANumberThrowsBeforeTheCount) {
    EXPECT_EQ(conversionError([this] { parser.getRange<int>("X"); }),
              "Cant convert String to Num:x");
}

TEST_F(InfoParserTest, PointTakesExactlyThreeNumbers) {
    const MathStuff::Vector3<float> point = parser.getPoint<float>("P");
    EXPECT_EQ(std::vector<float>({point.x, point.y, point.z}), std::vector<float>({0.5, 0.25, 0}));
    EXPECT_EXIT(parser.getPoint<float>("TWO"), ABORTED,
                abortReport("InfoParser::getPoint", "Failed to read Point TWO Got 2 values"));
}

TEST_F(InfoParserTest, ObjectListReadsPairsInOrderAndAbortsAtTheFirstBadItem) {
    CFG::InfoParser::StringPairGettor gettor("=>");
    Pairs pairs;
    parser.getObjList("PAIRS", gettor, pairs, ",");
    parser.getObjList("MISSING", gettor, pairs, ",");
    EXPECT_EQ(pairs, (Pairs{{"a", "b"}, {"c", "d"}}));
    EXPECT_EXIT(parser.getObjList("BAD", gettor, pairs, ","), ABORTED,
                abortReport("InfoParser::StringPairGettor::operator",
                            "Invalid string pair part: x=>y=>z. Expected <str1>:<str2>, 2 parts "
                            "not 3"));
    EXPECT_EXIT(
        gettor("=>b"), ABORTED,
        abortReport("InfoParser::StringPairGettor::operator",
                    "Invalid string pair part: =>b. Expected <str1>:<str2>, 2 parts not 1"));
}
