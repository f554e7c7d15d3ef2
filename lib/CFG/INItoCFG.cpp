#include "CFG/INItoCFG.h"

#include "CFG/Info.h"
#include "CFG/LineCursor.h"
#include "CFG/QuotedValue.h"
#include "Util/StringUtils.h"

#include <string_view>
#include <utility>

namespace CFG {
namespace {

// The text after the opening "[" up to the first "]", or to the end without one, trimmed.
std::string_view sectionName(const std::string_view header) {
    const std::string_view inner = header.substr(1);
    return Util::trimView(inner.substr(0, inner.find(']')), Util::BLANKS);
}

} // namespace

bool INItoCFG(const std::string& text, std::vector<std::string>& lines) {
    std::string section;
    for (LineCursor cursor(text); !cursor.atEnd(); cursor.advance()) {
        const std::string_view line = Util::trimView(cursor.line(), Util::BLANKS);
        if (Util::startswith(line, "#") || Util::startswith(line, ";")) {
            continue;
        }
        if (Util::startswith(line, "[")) {
            section = sectionName(line);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = Util::trimView(line.substr(0, equals), Util::BLANKS);
        std::string value(Util::trimView(line.substr(equals + 1), Util::BLANKS));
        if (opensQuotedValue(value) && !continueQuotedValue(cursor, value)) {
            return false;
        }
        const std::string postfix =
            Util::startswith(value, "\"") ? stringTypePostfix() : numberTypePostfix();
        std::string entry = section;
        entry.append(sectionKeySeparator()).append(key).append(postfix);
        entry.append(Info::keyValueSeparator()).append(1, '"').append(stripQuotes(value));
        lines.push_back(std::move(entry.append(1, '"')));
    }
    return true;
}

std::string stringTypePostfix() {
    return ":STR";
}

std::string numberTypePostfix() {
    return ":NUM";
}

std::string sectionKeySeparator() {
    return "::";
}

} // namespace CFG
