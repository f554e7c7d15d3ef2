#pragma once

#include "CFG/LineCursor.h"

#include <string>
#include <string_view>

// A value that opens with a double quote and goes on over the following lines: the rules
// shared by the configuration reader and the INI conversion.
namespace CFG {

// True when the value begins with a double quote and does not end with another one (a single
// double quote counts as open).
bool opensQuotedValue(std::string_view value);

// Appends the lines after the cursor's line to value until value ends with a double quote,
// leaving the cursor on the closing line. A line feed goes between two lines, except after a
// line ending with a backslash, which joins the next line directly; a backslash, n and
// backslash at a line's end become one line feed. False when the lines run out first.
bool continueQuotedValue(LineCursor& lines, std::string& value);

// value without the double quotes at its beginning and its end.
std::string_view stripQuotes(std::string_view value);

} // namespace CFG
