#include "CFGTesting.h"

#include "CFG/Calculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

float evaluate(const std::string& expression) {
    return CFG::Calculator(expression).parse();
}

void expectResults(const std::vector<std::pair<std::string, float>>& rows) {
    for (const auto& [expression, value] : rows) {
        EXPECT_EQ(evaluate(expression), value) << expression;
    }
}

// Each expression with the text its conversion error names after the fixed words.
void expectConversionErrors(const std::vector<std::pair<std::string, std::string>>& rows) {
    for (const auto& row : rows) {
        EXPECT_EQ(conversionError([&row] { evaluate(row.first); }),
                  "Cant convert String to Num:" + row.second)
            << row.first;
    }
}

const float INF = std::numeric_limits<float>::infinity();
const std::string TOO_DEEP = "Expression nested deeper than 256 parentheses";

} // namespace

TEST(Calculator, EvaluatesLeftToRightWithoutPrecedence) {
    expectResults({{"1+2", 3}, {"1+2*3", 9}, {"10-2-3", 5}, {"7/2", 3.5}, {"2*(1+2)", 6}});
    expectResults({{"((4))", 4}, {"(1+2)*(3+4)-(2)", 19}, {" 1 +\t2\r\n", 3}});
    // A sign before an operand belongs to its number.
    expectResults({{"3 - -2", 5}, {"3--2", 5}, {"-3*+2", -6}});
}

TEST(Calculator, ReadsNumbersAsTheConversionDoesAndStopsWhereNoOperatorFollows) {
    // An exponent is converted, but evaluation resumes at the "e", which is no operator.
    expectResults({{".5+1", 1.5}, {"5.*2", 10}, {"0x10", 0}, {"1.5.2+1", 1.5}, {"1e3+1", 1000}});
    expectResults({{"2 x", 2}, {"2 + 3 ) * 10", 5}, {"(1+2", 3}});
}

TEST(Calculator, ComparisonsGiveOneOrZeroAndDivisionByZeroCarriesOn) {
    expectResults({{"2>1", 1}, {"2<1", 0}, {"2>=2", 1}, {"1<=0", 0}, {"1<=1", 1}, {"1/0", INF}});
    expectResults({{"-1/0", -INF}, {"(0/0)>=1", 0}, {"(0/0)<(0/0)", 0}});
    EXPECT_TRUE(std::isnan(evaluate("0/0")));
}

TEST(Calculator, ShiftsTakeTheLow32BitsOfTheTruncatedOperands) {
    expectResults({{"1<<4", 16}, {"256>>4", 16}, {"3.9<<1", 6}, {"-3.9<<30", 1073741824}});
    expectResults({{"-1>>28", 15}, {"6442450944>>31", 1}, {"1<<31", 2147483648}});
}

TEST(Calculator, ShiftCountsWrapAt32) {
    expectResults(
        {{"1<<33", 2}, {"1<<64", 1}, {"1<<100", 16}, {"1<<-1", 2147483648}, {"1<<-31", 2}});
}

TEST(Calculator, ShiftOperandsBeyond64BitsOrNotFiniteCountAsZero) {
    const std::string e30 = "(1000000000000000*1000000000000000)";
    expectResults({{e30 + "<<1", 0}, {"0-" + e30 + ">>1", 0}, {"3<<" + e30, 3}});
    expectResults({{"(1/0)>>1", 0}, {"(-1/0)<<1", 0}, {"(0/0)<<1", 0}});
    expectResults({{"3<<(1/0)", 3}, {"3>>(0/0)", 3}});
}

TEST(Calculator, OperandThatIsNoNumberThrowsTheConversionError) {
    expectConversionErrors({{"2+x", "x"}, {"2*-(1)", "-(1)"}, {"()", ")"}, {"1e40", "1e40"}});
}

TEST(Calculator, EmptyOperandThrowsTheConversionError) {
    expectConversionErrors({{"", ""}, {" \t\r\n", ""}, {"1+", ""}, {"(1+ ", ""}});
}

TEST(CalculatorDeathTest, OpeningParenthesisWhereAnOperatorBelongsAborts) {
    EXPECT_EXIT(evaluate("2(3)"), testing::KilledBySignal(SIGABRT),
                abortReport("Calculator::", "Unknown operator: \\("));
}

TEST(CalculatorDeathTest, NestingIsBoundedWithoutExhaustingTheStack) {
    const int depth = CFG::Calculator::MAX_DEPTH;
    expectResults({{std::string(depth, '(') + "1" + std::string(depth, ')'), 1}});
    EXPECT_EXIT(evaluate(std::string(depth + 1, '(') + "1" + std::string(depth + 1, ')')),
                testing::KilledBySignal(SIGABRT), abortReport("Calculator::", TOO_DEEP));
    EXPECT_EXIT(evaluate(std::string(1000000, '(')), testing::KilledBySignal(SIGABRT),
                abortReport("Calculator::", TOO_DEEP));
}
