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

// Cuts text at every occurrence of delimiter (searched from the left, never
// overlapping) and appends the pieces to out, each trimmed of BLANKS when trimPieces is
// set, and the empty ones only when keepEmpty is set. out is never cleared; returns its
// size afterwards. An empty delimiter leaves the text as one piece.
std::size_t splitString(const std::string& text, const std::string& delimiter,
                        std::vector<std::string>& out, bool keepEmpty, bool trimPieces);

// text without the characters of the NUL-terminated set at either end.
std::string trim(const std::string& text, const char* set);
// The same as a view into text, for readers that must not copy every line they trim.
std::string_view trimView(std::string_view text, const char* set);

// Byte-wise and case-sensitive; an empty prefix or suffix always matches.
bool startswith(std::string_view text, std::string_view prefix);
bool endswith(std::string_view text, std::string_view suffix);

} // namespace Util
