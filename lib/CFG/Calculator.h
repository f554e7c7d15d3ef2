#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Evaluates the arithmetic of a configuration value written as "EVAL:(...)": numbers,
// parentheses, + - * /, the shifts << >> and the comparisons > >= < <=, strictly from left
// to right without precedence (1+2*3 is 9), in single precision.
namespace CFG {

class Calculator {
public:
    // Groups nested deeper than this end the process with an abort report.
    static constexpr int MAX_DEPTH = 256;

    explicit Calculator(const std::string& expression);
    virtual ~Calculator() = default;

    // Evaluates up to the end of the text, the ")" closing the current level or the first
    // text that is no operator, whatever follows it. An operand that is not a number throws
    // std::domain_error "Cant convert String to Num:" followed by the text from there on;
    // "(" where an operator belongs ends the process with an abort report.
    float parse();

    // Skips leading blanks and returns the token that begins the rest of the text without
    // consuming it, or the empty text when no token does.
    std::string nextToken();
    // Consumes as many characters as the token has.
    void skipToken(const std::string& token);
    std::string getNextToken();

    // Converts the decimal number at the front of the text and consumes its sign, digits and
    // first point; an exponent is read but not consumed. Throws the conversion error when the
    // text is empty or does not begin with a number.
    float getNumber();

    float doCalculation(float left, const std::string& op, float right) const;

private:
    float parseLevel(int depth);
    float getOperand(int depth);
    void skipBlanks();
    std::string_view remaining() const;

    // The expression and where its unread rest begins: reading never moves the text.
    std::string m_text;
    std::size_t m_position = 0;
};

} // namespace CFG
