#include "Util/StringUtils.h"

namespace Util {

std::size_t splitString(const std::string& text, const std::string& delimiter,
                        std::vector<std::string>& out, const bool keepEmpty,
                        const bool trimPieces) {
    forEachPiece(text, delimiter, keepEmpty, trimPieces,
                 [&out](const std::string_view piece) { out.emplace_back(piece); });
    return out.size();
}

std::string trim(const std::string& text, const char* const set) {
    return std::string(trimView(text, set));
}

namespace {

// The sets are a few characters long: a plain loop beats a library search call per character.
bool inSet(const char c, const char* set) {
    for (; *set != '\0'; ++set) {
        if (*set == c) {
            return true;
        }
    }
    return false;
}

} // namespace

std::string_view trimView(const std::string_view text, const char* const set) {
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first != end && inSet(text[first], set)) {
        ++first;
    }
    while (end != first && inSet(text[end - 1], set)) {
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
