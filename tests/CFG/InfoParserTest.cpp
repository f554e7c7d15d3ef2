#include "CFG/InfoParser.h"
#include "CFG/Info.h"

#include <gtest/gtest.h>

#include <csignal>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

class InfoParserTest : public testing::Test {
protected:
    InfoParserTest() : config(nullptr), parser(&config) {}

    template <typename Read>
    std::string conversionError(const Read& read) {
        try {
            read();
        } catch (const std::domain_error& error) {
            return error.what();
        }
        return "no error";
    }

    CFG::Info config;
    const CFG::InfoParser parser;
};

std::string escaped(const std::string& text) {
    std::string pattern;
    for (const char c : text) {
        if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos) {
            pattern += '\\';
        }
        pattern += c;
    }
    return pattern;
}

// The abort report as a whole: the reporting function's line, then exactly the message.
std::string abortReport(const std::string& function, const std::string& message) {
    return "^ABORT: Func:[^\n]*CFG::InfoParser::" + escaped(function) +
           "[^\n]*\nABORT: " + escaped(message) + "\n$";
}

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
    config.add("HEX", "0x10");
    config.add("PX", "12px");
    config.add("HALF", "2.5");
    config.add("ALL", "0xFFFFFFFF");
    config.add("NEG", "-1");
    EXPECT_EQ(parser.getNumber<int>("HEX"), 16);
    EXPECT_EQ(parser.getNumber<int>("PX"), 12);
    EXPECT_EQ(parser.getNumber<float>("HEX"), 0.0f);
    EXPECT_EQ(parser.getNumber<float>("HALF"), 2.5f);
    EXPECT_EQ(parser.getNumber<unsigned int>("ALL"), std::numeric_limits<unsigned int>::max());
    EXPECT_EQ(parser.getNumber<unsigned long>("NEG"), 4294967295ul);
    EXPECT_EQ(parser.getNumber<int>("MISSING"), 0);
    EXPECT_EQ(parser.getNumber<unsigned int>("MISSING"), 0u);
    EXPECT_EQ(parser.getNumber<unsigned long>("MISSING"), 0ul);
    EXPECT_EQ(parser.getNumber<float>("MISSING"), 0.0f);
}

TEST_F(InfoParserTest, NumberThatIsNotOneThrowsWithTheValueText) {
    config.add("ABC", "abc");
    config.add("ALL", "0xFFFFFFFF");
    EXPECT_EQ(conversionError([this] { parser.getNumber<int>("ABC"); }),
              "Cant convert String to Num:abc");
    EXPECT_EQ(conversionError([this] { parser.getNumber<int>("ALL"); }),
              "Cant convert String to Num:0xFFFFFFFF");
}

TEST_F(InfoParserTest, RangeTakesTwoNumbersInTheirOrder) {
    config.add("R", "3, 7");
    config.add("REVERSED", "7,3");
    config.add("GAPS", "1,,2 , ");
    config.add("F", "0.5,0x10");
    EXPECT_EQ(parser.getRange<int>("R").min, 3);
    EXPECT_EQ(parser.getRange<int>("R").max, 7);
    EXPECT_EQ(parser.getRange<int>("REVERSED").min, 7);
    EXPECT_EQ(parser.getRange<int>("GAPS").max, 2);
    EXPECT_EQ(parser.getRange<float>("F").min, 0.5f);
    EXPECT_EQ(parser.getRange<float>("F").max, 0.0f);
}

TEST_F(InfoParserTest, RangeOfOtherCountAborts) {
    config.add("ONE", "3");
    config.add("THREE", "1,2,3");
    EXPECT_EXIT(parser.getRange<int>("ONE"), testing::KilledBySignal(SIGABRT),
                abortReport("getRange", "Failed to read Range ONE Got 1 values"));
    EXPECT_EXIT(parser.getRange<float>("THREE"), testing::KilledBySignal(SIGABRT),
                abortReport("getRange", "Failed to read Range THREE Got 3 values"));
    EXPECT_EXIT(parser.getRange<int>("MISSING"), testing::KilledBySignal(SIGABRT),
                abortReport("getRange", "Failed to read Range MISSING Got 0 values"));
}

TEST_F(InfoParserTest, RangePieceThatIsNotANumberThrowsBeforeTheCount) {
    config.add("R", "1,x,2,3");
    EXPECT_EQ(conversionError([this] { parser.getRange<int>("R"); }),
              "Cant convert String to Num:x");
}

TEST_F(InfoParserTest, PointTakesExactlyThreeNumbers) {
    config.add("P", "0.5, 0.25, 0");
    config.add("TWO", "1, 2");
    const MathStuff::Vector3<float> point = parser.getPoint<float>("P");
    EXPECT_EQ(point.x, 0.5f);
    EXPECT_EQ(point.y, 0.25f);
    EXPECT_EQ(point.z, 0.0f);
    EXPECT_EXIT(parser.getPoint<float>("TWO"), testing::KilledBySignal(SIGABRT),
                abortReport("getPoint", "Failed to read Point TWO Got 2 values"));
}

TEST_F(InfoParserTest, ObjectListReadsPairsInOrderAndAbortsAtTheFirstBadItem) {
    config.add("GLYPH_MAPPINGS", "a=>b, c => d,,");
    config.add("BAD", "a=>b, x=>y=>z, c=>d");
    CFG::InfoParser::StringPairGettor gettor("=>");
    Pairs pairs;
    parser.getObjList("GLYPH_MAPPINGS", gettor, pairs, ",");
    EXPECT_EQ(pairs, (Pairs{{"a", "b"}, {"c", "d"}}));
    parser.getObjList("MISSING", gettor, pairs, ",");
    EXPECT_EQ(pairs.size(), 2u);
    EXPECT_EXIT(
        {
            Pairs read;
            parser.getObjList("BAD", gettor, read, ",");
        },
        testing::KilledBySignal(SIGABRT),
        abortReport("StringPairGettor::operator()",
                    "Invalid string pair part: x=>y=>z. Expected <str1>:<str2>, 2 parts not 3"));
}

TEST(StringPairGettor, SplitsAtSeparatorIntoTwoTrimmedParts) {
    CFG::InfoParser::StringPairGettor gettor("=>");
    EXPECT_EQ(gettor(" a => b "), std::make_pair(std::string("a"), std::string("b")));
    EXPECT_EXIT(
        gettor("=>b"), testing::KilledBySignal(SIGABRT),
        abortReport("StringPairGettor::operator()",
                    "Invalid string pair part: =>b. Expected <str1>:<str2>, 2 parts not 1"));
}
