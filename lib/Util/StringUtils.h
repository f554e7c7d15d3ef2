#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Splitting, trimming and prefix and suffix tests on byte strings: the small helpers
// the configuration language and its callers rest on.
namespace Util {

// The blanks the system trims from its texts: space, tab, line feed, carriage return.
constexpr const char* BLANKS = " \t\n\r";

// text without the characters of the NUL-terminated set at either end, as a view into
// text, for readers that must not copy every line they trim.
std::string_view trimView(std::string_view text, const char* set);

// Cuts text at every occurrence of delimiter (searched from the left, never overlapping)
// and calls visit with each piece as a view into text, trimmed of BLANKS when trimPieces is
// set, the empty ones only when keepEmpty is set. An empty delimiter leaves the text as one
// piece. It copies nothing, for readers that convert the pieces at once.
template <typename Visit>
void forEachPiece(const std::string_view text, const std::string_view delimiter,
                  const bool keepEmpty, const bool trimPieces, const Visit& visit) {
    std::size_t start = 0;
    while (true) {
        const std::size_t found =
            delimiter.empty() ? std::string_view::npos : text.find(delimiter, start);
        const std::size_t end = found == std::string_view::npos ? text.size() : found;
        std::string_view piece = text.substr(start, end - start);
        if (trimPieces) {
            piece = trimView(piece, BLANKS);
        }
        if (keepEmpty || !piece.empty()) {
            visit(piece);
        }
        if (found == std::string_view::npos) {
            return;
        }
        start = found + delimiter.size();
    }
}

// The pieces of forEachPiece appended to out, which is never cleared; returns its size
// afterwards.
std::size_t splitString(const std::string& text, const std::string& delimiter,
                        std::vector<std::string>& out, bool keepEmpty, bool trimPieces);

// text without the characters of the NUL-terminated set at either end.
std::string trim(const std::string& text, const char* set);

// Byte-wise and case-sensitive; an empty prefix or suffix always matches.
bool startswith(std::string_view text, std::string_view prefix);
bool endswith(std::string_view text, std::string_view suffix);

} // namespace Util
