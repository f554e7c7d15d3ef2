#include "CFG/Calculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <initializer_list>
#include <limits>
#include <stdexcept>
#include <string>

namespace {

float evaluate(const std::string& expression) {
    return CFG::Calculator(expression).parse();
}

struct Case {
    std::string expression;
    float value;
};

void expectValues(const std::initializer_list<Case> cases) {
    for (const Case& expected : cases) {
        EXPECT_EQ(evaluate(expected.expression), expected.value) << expected.expression;
    }
}

std::string failureOf(const std::string& expression) {
    try {
        evaluate(expression);
    } catch (const std::domain_error& error) {
        return error.what();
    }
    return "no error";
}

std::string nested(const int depth) {
    return std::string(depth, '(') + "1" + std::string(depth, ')');
}

// The first report line names this compiler's function, file and line; the second is exact.
testing::Matcher<const std::string&> abortReport(const std::string& message) {
    return testing::ContainsRegex("^ABORT: Func:[^\n]*CFG::Calculator::[^\n]* File:[^\n]*"
                                  "Calculator.cpp Line: [0-9]+\nABORT: " +
                                  message + "\n$");
}

const float INF = std::numeric_limits<float>::infinity();

} // namespace

TEST(Calculator, EvaluatesLeftToRightWithoutPrecedence) {
    expectValues({{"1+2", 3},
                  {"1+2*3", 9},
                  {"10-2-3", 5},
                  {"7/2", 3.5},
                  {"2*(1+2)", 6},
                  {"((4))", 4},
                  {"(1+2)*(3+4)-(2)", 19},
                  {" 1 +\t2\r\n", 3}});
}

TEST(Calculator, SignBeforeAnOperandBelongsToItsNumber) {
    expectValues({{"3 - -2", 5}, {"3--2", 5}, {"-3*+2", -6}});
}

TEST(Calculator, ReadsNumbersAsTheConversionDoes) {
    // Only the leading zero of "0x10" is a float, and "x10" is no operator. A second point
    // ends a number. An exponent is read, but evaluation resumes at the "e", which is no
    // operator either.
    expectValues({{".5+1", 1.5}, {"5.*2", 10}, {"0x10", 0}, {"1.5.2+1", 1.5}, {"1e3+1", 1000}});
}

TEST(Calculator, TextWhereAnOperatorBelongsEndsTheLevel) {
    expectValues({{"2 x", 2}, {"2 + 3 ) * 10", 5}, {"(1+2", 3}});
}

TEST(Calculator, LongerTokensWinOverTheirPrefixes) {
    for (const char* const token :
         {"(", ")", "+", "-", "*", "/", "<<", ">>", ">=", "<=", ">", "<"}) {
        CFG::Calculator calculator(std::string(" \t") + token + "1");
        EXPECT_EQ(calculator.nextToken(), token);
        EXPECT_EQ(calculator.getNextToken(), token);
        EXPECT_EQ(calculator.getNextToken(), "");
    }
}

TEST(Calculator, ComparisonsGiveOneOrZeroAndZeroForNotANumber) {
    expectValues({{"2>1", 1},
                  {"2<1", 0},
                  {"2>=2", 1},
                  {"1<=0", 0},
                  {"1<=1", 1},
                  {"(0/0)>=1", 0},
                  {"(0/0)<(0/0)", 0}});
}

TEST(Calculator, DivisionByZeroGivesInfinityOrNotANumber) {
    expectValues({{"1/0", INF}, {"-1/0", -INF}});
    EXPECT_TRUE(std::isnan(evaluate("0/0")));
}

TEST(Calculator, ShiftsTakeTheLow32BitsOfTheTruncatedOperands) {
    expectValues({{"1<<4", 16},
                  {"256>>4", 16},
                  {"3.9<<1", 6},
                  {"-3.9<<30", 1073741824},
                  {"-1>>28", 15},
                  {"6442450944>>31", 1},
                  {"1<<31", 2147483648}});
}

TEST(Calculator, ShiftCountsWrapAt32) {
    expectValues(
        {{"1<<33", 2}, {"1<<64", 1}, {"1<<100", 16}, {"1<<-1", 2147483648}, {"1<<-31", 2}});
}

TEST(Calculator, ShiftOperandsBeyond64BitsOrNotFiniteCountAsZero) {
    const std::string e30 = "(1000000000000000*1000000000000000)";
    expectValues({{e30 + "<<1", 0},
                  {"0-" + e30 + ">>1", 0},
                  {"3<<" + e30, 3},
                  {"(1/0)>>1", 0},
                  {"(-1/0)<<1", 0},
                  {"(0/0)<<1", 0},
                  {"3<<(1/0)", 3},
                  {"3>>(0/0)", 3}});
}

TEST(Calculator, OperandThatIsNoNumberThrowsTheConversionError) {
    EXPECT_EQ(failureOf("2+x"), "Cant convert String to Num:x");
    EXPECT_EQ(failureOf("2*-(1)"), "Cant convert String to Num:-(1)");
    EXPECT_EQ(failureOf("()"), "Cant convert String to Num:)");
    EXPECT_EQ(failureOf("1e40"), "Cant convert String to Num:1e40");
}

TEST(Calculator, EmptyOperandThrowsTheConversionError) {
    EXPECT_EQ(failureOf(""), "Cant convert String to Num:");
    EXPECT_EQ(failureOf(" \t\r\n"), "Cant convert String to Num:");
    EXPECT_EQ(failureOf("1+"), "Cant convert String to Num:");
    EXPECT_EQ(failureOf("(1+ "), "Cant convert String to Num:");
}

TEST(CalculatorDeathTest, OpeningParenthesisWhereAnOperatorBelongsAborts) {
    EXPECT_EXIT(evaluate("2(3)"), testing::KilledBySignal(SIGABRT),
                abortReport("Unknown operator: \\("));
}

TEST(CalculatorDeathTest, NestingIsBoundedWithoutExhaustingTheStack) {
    expectValues({{nested(CFG::Calculator::MAX_DEPTH), 1}});
    EXPECT_EXIT(evaluate(nested(CFG::Calculator::MAX_DEPTH + 1)), testing::KilledBySignal(SIGABRT),
                abortReport("Expression nested deeper than 256 parentheses"));
    EXPECT_EXIT(evaluate(std::string(1000000, '(')), testing::KilledBySignal(SIGABRT),
                abortReport("Expression nested deeper than 256 parentheses"));
}
