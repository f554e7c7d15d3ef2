#pragma once

#include <string>
#include <vector>

// Conversion of INI text (sections in square brackets, key=value lines) into lines of the
// configuration language, one per INI value, keyed section::key plus a type postfix.
namespace CFG {

// Appends one line section::key:TYPE=="value" for every value of the text, in order; the type
// is ":STR" for a value written in double quotes, else ":NUM". False when a quoted value is
// still open at the end of the text; the lines appended until then stay.
bool INItoCFG(const std::string& text, std::vector<std::string>& lines);

std::string stringTypePostfix();
std::string numberTypePostfix();
std::string sectionKeySeparator();

} // namespace CFG
