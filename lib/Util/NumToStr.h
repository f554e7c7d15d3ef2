#pragma once

#include <string>

// Number to text, as the configuration's evaluated expressions and the game's score
// write them.
namespace Util {

// Writes value as a default string stream of the classic locale would: base 8, 10 or 16
// (any other base writes decimal), base 16 with "0x" in front; then the number padded
// on the left with '0' to width characters, the prefix not counted and the zeros going
// before a minus sign ("00-42"). A precision of -1 writes a float with 6 significant
// digits in the style of %g, any other fixed with that many decimals (6 when negative).
// A float is always written in decimal; an int in base 8 or 16 as its unsigned 32-bit
// value. Types: float and int.
template <typename T>
std::string numToStr(T value, int base, int width, int precision);

} // namespace Util
