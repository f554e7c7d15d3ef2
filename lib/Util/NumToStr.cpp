#include "Util/NumToStr.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <ios>
#include <sstream>
#include <system_error>
#include <type_traits>

// The digits come from to_chars, which writes exactly what printf, and so the stream,
// writes in the classic locale, at a fraction of a stream's cost. Only what does not fit
// the buffer, or is no finite number, is written by a stream.

namespace Util {
namespace {

// Room for any int in any base and for a float in %g style or fixed with a few dozen
// decimals.
constexpr std::size_t DIGITS_ROOM = 64;

std::string withPrefixAndPadding(const int base, const int width, const char* const first,
                                 const char* const last) {
    const auto length = static_cast<std::size_t>(last - first);
    const std::size_t padding = width > 0 && static_cast<std::size_t>(width) > length
                                    ? static_cast<std::size_t>(width) - length
                                    : 0;
    std::string text;
    text.reserve(2 + padding + length);
    if (base == 16) {
        text += "0x";
    }
    text.append(padding, '0');
    text.append(first, last);
    return text;
}

std::string streamFloatDigits(const double value, const int precision) {
    std::ostringstream stream;
    if (precision != -1) {
        stream << std::fixed;
        stream.precision(precision);
    }
    stream << value;
    return stream.str();
}

std::to_chars_result floatDigits(char* const first, char* const last, const double value,
                                 const int precision) {
    if (!std::isfinite(value)) {
        return {first, std::errc::invalid_argument};
    }
    if (precision == -1) {
        return std::to_chars(first, last, value, std::chars_format::general, 6);
    }
    // The stream takes a negative precision as its default of 6.
    return std::to_chars(first, last, value, std::chars_format::fixed,
                         precision < 0 ? 6 : precision);
}

} // namespace

template <typename T>
std::string numToStr(const T value, const int base, const int width, const int precision) {
    char digits[DIGITS_ROOM];
    std::to_chars_result written{};
    if constexpr (std::is_same_v<T, float>) {
        // The stream widens a float to double.
        written = floatDigits(digits, digits + DIGITS_ROOM, value, precision);
        if (written.ec != std::errc()) {
            const std::string text = streamFloatDigits(value, precision);
            return withPrefixAndPadding(base, width, text.data(), text.data() + text.size());
        }
    } else if (base == 8 || base == 16) {
        // In octal and hexadecimal the stream writes an int as its unsigned value.
        written =
            std::to_chars(digits, digits + DIGITS_ROOM, static_cast<unsigned int>(value), base);
    } else {
        written = std::to_chars(digits, digits + DIGITS_ROOM, value);
    }
    return withPrefixAndPadding(base, width, digits, written.ptr);
}

template std::string numToStr<float>(float, int, int, int);
template std::string numToStr<int>(int, int, int, int);

} // namespace Util
