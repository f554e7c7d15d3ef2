// Evaluates arbitrary text as an expression. The conversion error is an expected outcome;
// the two abort reports would end the run, so inputs that could reach them are left out.
#include "CFG/Calculator.h"
#include "Util/StringUtils.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

// "(" is taken as an operator only right after a complete operand, which ends in a digit,
// a point or ")". Rejecting every "(" that follows one of them, blanks between, also
// rejects a few inputs that would not abort.
bool mayReachUnknownOperator(const std::string& text) {
    for (std::size_t open = text.find('('); open != std::string::npos;
         open = text.find('(', open + 1)) {
        if (open == 0) {
            continue;
        }
        const std::size_t before = text.find_last_not_of(Util::BLANKS, open - 1);
        const char c = before == std::string::npos ? ' ' : text[before];
        if ((c >= '0' && c <= '9') || c == '.' || c == ')') {
            return true;
        }
    }
    return false;
}

bool mayNestTooDeep(const std::string& text) {
    return std::count(text.begin(), text.end(), '(') > CFG::Calculator::MAX_DEPTH;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, const std::size_t size) {
    const std::string expression(reinterpret_cast<const char*>(data), size);
    if (mayReachUnknownOperator(expression) || mayNestTooDeep(expression)) {
        return -1;
    }
    try {
        CFG::Calculator(expression).parse();
    } catch (const std::domain_error& error) {
        if (std::string(error.what()).rfind("Cant convert String to Num:", 0) != 0) {
            std::abort();
        }
    }
    return 0;
}
