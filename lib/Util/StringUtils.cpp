#include "Util/StringUtils.h"

namespace Util {

std::size_t splitString(const std::string& text, const std::string& delimiter,
                        std::vector<std::string>& out, const bool keepEmpty,
                        const bool trimPieces) {
    std::size_t start = 0;
    while (true) {
        const std::size_t found =
            delimiter.empty() ? std::string::npos : text.find(delimiter, start);
        const std::size_t end = found == std::string::npos ? text.size() : found;
        std::string_view piece = std::string_view(text).substr(start, end - start);
        if (trimPieces) {
            piece = trimView(piece, BLANKS);
        }
        if (keepEmpty || !piece.empty()) {
            out.emplace_back(piece);
        }
        if (found == std::string::npos) {
            return out.size();
        }
        start = found + delimiter.size();
    }
}

std::string trim(const std::string& text, const char* const set) {
    return std::string(trimView(text, set));
}

std::string_view trimView(const std::string_view text, const char* const set) {
    // Compared character by character: the configuration reader trims every line, key and
    // value it reads, and the library's search calls cost more than these few comparisons.
    const auto inSet = [set](const char c) {
        for (const char* member = set; *member != '\0'; ++member) {
            if (*member == c) {
                return true;
            }
        }
        return false;
    };
    std::size_t first = 0;
    while (first < text.size() && inSet(text[first])) {
        ++first;
    }
    std::size_t end = text.size();
    while (end > first && inSet(text[end - 1])) {
        --end;
    }
    return text.substr(first, end - first);
}

bool startswith(const std::string_view text, const std::string_view prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

bool endswith(const std::string_view text, const std::string_view suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace Util
