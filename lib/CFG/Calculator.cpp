#include "CFG/Calculator.h"

#include "Util/Abort.h"
#include "Util/StrToNum.h"
#include "Util/StringUtils.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace CFG {
namespace {

// Tried in this order, so that ">=" and "<<" win over the ">" and "<" they begin with.
constexpr std::string_view TOKENS[] = {"(",  ")",  "+",  "-",  "*", "/",
                                       "<<", ">>", ">=", "<=", ">", "<"};

const std::string CONVERSION_ERROR = "Cant convert String to Num:";

bool isSign(const char c) {
    return c == '+' || c == '-';
}

bool isDigit(const char c) {
    return c >= '0' && c <= '9';
}

// The blanks the conversion skips before a number: evaluation skips all but \v and \f.
bool isConversionBlank(const char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The characters at the front of text that the conversion of a float can read: the blanks
// it skips and a sign, then digits, points and exponent letters, each letter with the sign
// right after it. A sign or blank anywhere else ends what it reads, so that an operand in a
// chain of additions copies only itself rather than the rest of the chain.
std::size_t readableLength(const std::string_view text) {
    std::size_t length = 0;
    while (length < text.size() && isConversionBlank(text[length])) {
        ++length;
    }
    if (length < text.size() && isSign(text[length])) {
        ++length;
    }
    for (; length < text.size(); ++length) {
        const char c = text[length];
        const bool exponent = c == 'e' || c == 'E';
        if (exponent && length + 1 < text.size() && isSign(text[length + 1])) {
            ++length;
        } else if (!exponent && c != '.' && !isDigit(c)) {
            break;
        }
    }
    return length;
}

bool isBlank(const char c) {
    return c != '\0' && std::strchr(Util::BLANKS, c) != nullptr;
}

// The characters of the number at the front of text: one sign, then digits and at most one
// point. The conversion may read further (an exponent), but evaluation resumes here.
std::size_t numberLength(const std::string_view text) {
    std::size_t length = 0;
    if (!text.empty() && isSign(text[0])) {
        ++length;
    }
    bool pointSeen = false;
    for (; length < text.size(); ++length) {
        const char c = text[length];
        if (c == '.' && !pointSeen) {
            pointSeen = true;
        } else if (!isDigit(c)) {
            break;
        }
    }
    return length;
}

// The low 32 bits of value truncated toward zero. A float of magnitude 2^63 or more is a
// multiple of 2^32, so its low bits are zero, and infinities and not-a-number count as zero
// as well: converting any of them to a 64-bit integer would be undefined.
std::uint32_t low32Bits(const float value) {
    constexpr float TWO_TO_63 = 9223372036854775808.0f;
    if (!(std::fabs(value) < TWO_TO_63)) {
        return 0;
    }
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(value));
}

// Counts wrap at 32, negative ones included: -1 shifts by 31.
std::uint32_t shiftCount(const float count) {
    return low32Bits(count) & 31u;
}

} // namespace

Calculator::Calculator(const std::string& expression) : m_text(expression) {}

float Calculator::parse() {
    return parseLevel(0);
}

float Calculator::parseLevel(const int depth) {
    float value = getOperand(depth);
    for (std::string op = getNextToken(); !op.empty() && op != ")"; op = getNextToken()) {
        const float right = getOperand(depth);
        value = doCalculation(value, op, right);
    }
    return value;
}

float Calculator::getOperand(const int depth) {
    if (nextToken() != "(") {
        return getNumber();
    }
    if (depth == MAX_DEPTH) {
        UTIL_ABORT("Expression nested deeper than " << MAX_DEPTH << " parentheses");
    }
    skipToken("(");
    return parseLevel(depth + 1);
}

std::string Calculator::nextToken() {
    skipBlanks();
    const std::string_view rest = remaining();
    // The first character rules out most tokens before any comparison of two.
    for (const std::string_view token : TOKENS) {
        if (!rest.empty() && rest.front() == token.front() && Util::startswith(rest, token)) {
            return std::string(token);
        }
    }
    return std::string();
}

void Calculator::skipToken(const std::string& token) {
    m_position = std::min(m_text.size(), m_position + token.size());
}

std::string Calculator::getNextToken() {
    std::string token = nextToken();
    skipToken(token);
    return token;
}

float Calculator::getNumber() {
    skipBlanks();
    const std::string_view rest = remaining();
    // Only the characters the conversion can read are copied, so that an operand does not
    // cost a copy of the rest of a long expression. The conversion takes an empty text for
    // 0, which would let "1+" or "x" pass as 0. Either error names the whole rest.
    const std::string number(rest.substr(0, readableLength(rest)));
    try {
        if (!number.empty()) {
            const float value = Util::strToNum<float>(number, 10);
            m_position += numberLength(rest);
            return value;
        }
    } catch (const std::domain_error&) {
    }
    throw std::domain_error(CONVERSION_ERROR + std::string(rest));
}

float Calculator::doCalculation(const float left, const std::string& op, const float right) const {
    if (op == "+") {
        return left + right;
    }
    if (op == "-") {
        return left - right;
    }
    if (op == "*") {
        return left * right;
    }
    // Division by zero gives an infinity or not-a-number, which the rest of the
    // expression then carries along.
    if (op == "/") {
        return left / right;
    }
    if (op == "<<") {
        return static_cast<float>(low32Bits(left) << shiftCount(right));
    }
    if (op == ">>") {
        return static_cast<float>(low32Bits(left) >> shiftCount(right));
    }
    if (op == ">") {
        return left > right ? 1.0f : 0.0f;
    }
    if (op == ">=") {
        return left >= right ? 1.0f : 0.0f;
    }
    if (op == "<") {
        return left < right ? 1.0f : 0.0f;
    }
    if (op == "<=") {
        return left <= right ? 1.0f : 0.0f;
    }
    UTIL_ABORT("Unknown operator: " << op);
}

void Calculator::skipBlanks() {
    while (m_position < m_text.size() && isBlank(m_text[m_position])) {
        ++m_position;
    }
}

std::string_view Calculator::remaining() const {
    return std::string_view(m_text).substr(m_position);
}

} // namespace CFG
