#pragma once

#include <string>

// Text to number, the way the configuration reads every number it holds.
namespace Util {

// Reads the number at the start of text as the standard stream extraction reads it in the
// classic locale: leading blanks are skipped and whatever follows the number is ignored;
// an empty text is 0. base 8, 10 or 16 fixes the base (16 takes an optional 0x or 0X);
// any other base takes it from the text (0x or 0X hexadecimal, a leading 0 octal). A float
// is always read as decimal text. Types: float, int, short, unsigned int and unsigned
// long; the unsigned types take a leading minus modulo 2^32, unsigned long included.
//
// Throws std::domain_error with "Cant convert String to Num:" followed by the text, and
// nothing else, when the text does not begin with a number of the type or its number
// does not fit the type.
template <typename T>
T strToNum(const std::string& text, int base);

// The same in base 16 when the text begins with exactly "0x", else in base 10.
template <typename T>
T strToNum(const std::string& text);

} // namespace Util
