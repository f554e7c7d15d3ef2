#include "CFG/QuotedValue.h"

#include "Util/StringUtils.h"

namespace CFG {
namespace {

constexpr char QUOTE = '"';

void appendQuotedLine(std::string& value, const std::string_view line) {
    if (value.back() == '\\') {
        value.pop_back();
        if (Util::endswith(value, "\\n")) {
            value.replace(value.size() - 2, 2, 1, '\n');
        }
    } else {
        value += '\n';
    }
    // The line's leading blanks are part of the value.
    value += line.substr(0, line.find_last_not_of(Util::BLANKS) + 1);
}

} // namespace

bool opensQuotedValue(const std::string_view value) {
    return !value.empty() && value.front() == QUOTE && (value.size() == 1 || value.back() != QUOTE);
}

bool continueQuotedValue(LineCursor& lines, std::string& value) {
    do {
        lines.advance();
        if (lines.atEnd()) {
            return false;
        }
        appendQuotedLine(value, lines.line());
    } while (value.back() != QUOTE);
    return true;
}

std::string_view stripQuotes(const std::string_view value) {
    return Util::trimView(value, "\"");
}

} // namespace CFG
