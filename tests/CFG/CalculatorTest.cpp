#include "CFGTesting.h"
#include "Support/AbortReport.h"

#include "CFG/Calculator.h"

#include <gtest/gtest.h>

#include <cmath>
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

const float INF = std::numeric_limits<float>::infinity();
const std::string TOO_DEEP = "Expression nested deeper than 256 parentheses";

} // namespace

TEST(Calculator, EvaluatesLeftToRightWithoutPrecedence) {
    expectResults({{"1+2*3", 9}, {"10-2-3", 5}, {"7/2", 3.5}, {"(1+2)*(3+4)-(2)", 19}});
    // A sign before an operand belongs to its number; blanks of every kind are skipped.
    expectResults({{"3 - -2", 5}, {"3--2", 5}, {"-3*+2", -6}, {" 1 +\t2\r\n", 3}, {"((4))", 4}});
}

TEST(Calculator, ReadsNumbersAsTheConversionDoesAndStopsWhereNoOperatorFollows) {
    // An exponent is converted, but evaluation resumes at the "e", which is no operator.
    expectResults({{".5+1", 1.5}, {"5.*2", 10}, {"0x10", 0}, {"1.5.2+1", 1.5}, {"1e+3+1", 1000}});
    expectResults({{"2 x", 2}, {"2 + 3 ) * 10", 5}, {"(1+2", 3}, {"\v \t\r5", 5}, {"5E-1", 0.5}});
}

TEST(Calculator, ComparisonsGiveOneOrZeroAndDivisionByZeroCarriesOn) {
    expectResults({{"2>1", 1}, {"2<1", 0}, {"2>=2", 1}, {"1<=0", 0}, {"1<=1", 1}, {"1/0", INF}});
    expectResults({{"-1/0", -INF}, {"(0/0)>=1", 0}, {"(0/0)<(0/0)", 0}});
    EXPECT_TRUE(std::isnan(evaluate("0/0")));
}

TEST(Calculator, ShiftsTakeTheLow32BitsOfTheTruncatedOperandsAndWrapTheCount) {
    expectResults({{"1<<4", 16}, {"256>>4", 16}, {"3.9<<1", 6}, {"-3.9<<30", 1073741824}});
    expectResults({{"-1>>28", 15}, {"6442450944>>31", 1}, {"1<<31", 2147483648}});
    expectResults({{"1<<33", 2}, {"1<<100", 16}, {"1<<-1", 2147483648}, {"1<<-31", 2}});
    // Beyond 64 bits, infinite or not a number, an operand counts as zero.
    const std::string e30 = "(1000000000000000*1000000000000000)";
    expectResults({{e30 + "<<1", 0}, {"0-" + e30 + ">>1", 0}, {"3<<" + e30, 3}});
    expectResults({{"(1/0)>>1", 0}, {"(0/0)<<1", 0}, {"3<<(1/0)", 3}, {"3>>(0/0)", 3}});
}

TEST(Calculator, OperandThatIsNoNumberThrowsTheConversionErrorNamingTheRest) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"2+x", "x"},     {"2*-(1)", "-(1)"}, {"()", ")"}, {"1e40", "1e40"},
        {"2+\vx", "\vx"}, {"", ""},           {"1+", ""},  {"(1+ ", ""}};
    for (const auto& [expression, rest] : rows) {
        EXPECT_EQ(conversionError([&input = expression] { evaluate(input); }),
                  "Cant convert String to Num:" + rest)
            << expression;
    }
}

TEST(CalculatorDeathTest, OpeningParenthesisWhereAnOperatorBelongsAborts) {
    EXPECT_ABORT_REPORT(evaluate("2(3)"), "Calculator::", "Unknown operator: (");
}

TEST(CalculatorDeathTest, NestingIsBoundedWithoutExhaustingTheStack) {
    const int depth = CFG::Calculator::MAX_DEPTH;
    expectResults({{std::string(depth, '(') + "1" + std::string(depth, ')'), 1}});
    EXPECT_ABORT_REPORT(evaluate(std::string(depth + 1, '(') + "1"), "Calculator::", TOO_DEEP);
    EXPECT_ABORT_REPORT(evaluate(std::string(1000000, '(')), "Calculator::", TOO_DEEP);
}
