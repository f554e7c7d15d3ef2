#include "Util/StrToNum.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <type_traits>

// The configuration converts its texts every frame, and a string stream costs several
// hundred nanoseconds a number. So the text is read here exactly as libstdc++'s num_get
// reads it in the classic locale, a float's digits by from_chars, and only a float beyond
// the float range, rare and subtle (overflow fails, underflow does not), is handed to a
// stream.

namespace Util {
namespace {

// What the classic locale's stream skips before a number: space, \t, \n, \v, \f, \r.
bool isStreamBlank(const char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The integer helpers below are declared inline, which lets g++ 12 fold them into every
// conversion at -O2 (clang 14 does so without it): as calls they cost a third of the time of a
// short number.

// The value of every byte as a hexadecimal digit, 16 where it is none. A table rather
// than tests, since the case of the letters varies from text to text.
constexpr std::array<unsigned char, 256> HEX_DIGITS = [] {
    std::array<unsigned char, 256> digits{};
    for (unsigned int c = 0; c < digits.size(); ++c) {
        const bool decimal = c >= '0' && c <= '9';
        const bool letter = (c | 0x20) >= 'a' && (c | 0x20) <= 'f';
        digits[c] = static_cast<unsigned char>(decimal  ? c - '0'
                                               : letter ? (c | 0x20) - 'a' + 10
                                                        : 16);
    }
    return digits;
}();

// The value of c as a digit of the radix, or a value of at least the radix.
template <unsigned int radix>
inline unsigned int digitValue(const char c) {
    const auto byte = static_cast<unsigned char>(c);
    if constexpr (radix == 16) {
        return HEX_DIGITS[byte];
    }
    return static_cast<unsigned int>(byte) - '0';
}

// One loop per radix, so that the digit test is a constant. Reads the digits at p into
// magnitude; false when there is none or their value passes 2^32 - 1.
template <unsigned int radix>
inline bool readDigits(const char* p, const char* const end, std::uint32_t& magnitude) {
    const char* const first = p;
    std::uint64_t value = 0;
    for (; p != end; ++p) {
        const unsigned int digit = digitValue<radix>(*p);
        if (digit >= radix) {
            break;
        }
        value = value * radix + digit;
        if (value > std::numeric_limits<std::uint32_t>::max()) {
            return false;
        }
    }
    magnitude = static_cast<std::uint32_t>(value);
    return p != first;
}

inline bool readDigits(const char* const p, const char* const end, const int radix,
                       std::uint32_t& magnitude) {
    switch (radix) {
    case 16:
        return readDigits<16>(p, end, magnitude);
    case 8:
        return readDigits<8>(p, end, magnitude);
    default:
        return readDigits<10>(p, end, magnitude);
    }
}

// The radix of the digits at p, moving p past a 0x or 0X prefix where the base allows one:
// base 8 and 10 take none, base 16 an optional one, and any other base takes the radix
// from the text, 0x or 0X hexadecimal, a leading 0 octal, else decimal. After a prefix a
// digit must follow, while octal's leading 0 is a number by itself.
inline int radixAt(const char*& p, const char* const end, const int base) {
    if (base == 8 || base == 10) {
        return base;
    }
    if (end - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        p += 2;
        return 16;
    }
    if (base == 16) {
        return 16;
    }
    return p != end && *p == '0' ? 8 : 10;
}

// An optional sign, then the digits. The stream reads int and short through long and
// fails on a value outside the type; unsigned int wraps a minus and fails only above its
// maximum.
template <typename T>
inline bool readInteger(const char* p, const char* const end, const int base, T& value) {
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+')) {
        ++p;
    }
    const int radix = radixAt(p, end, base);
    std::uint32_t magnitude = 0;
    if (!readDigits(p, end, radix, magnitude)) {
        return false;
    }
    if constexpr (std::is_signed_v<T>) {
        // The lowest value lies one beyond the highest.
        const std::uint32_t limit =
            static_cast<std::uint32_t>(std::numeric_limits<T>::max()) + negative;
        if (magnitude > limit) {
            return false;
        }
        const std::int64_t wide = magnitude;
        value = static_cast<T>(negative ? -wide : wide);
    } else {
        static_assert(sizeof(T) == sizeof magnitude);
        value = negative ? T{0} - magnitude : magnitude;
    }
    return true;
}

enum class FloatReading { VALUE, FAILED, OUT_OF_RANGE };

bool isDigitOrPoint(const char c) {
    return c == '.' || (c >= '0' && c <= '9');
}

bool isExponentLetter(const char c) {
    return c == 'e' || c == 'E';
}

// Whether from_chars stopped at an exponent letter that follows the mantissa, rather than
// at a second one after a complete exponent ("1e5e3" reads as 1e5).
bool exponentLeftUnread(const char* const first, const char* const stop, const char* const end) {
    if (stop == end || !isExponentLetter(*stop)) {
        return false;
    }
    const char* p = stop;
    while (p != first && p[-1] >= '0' && p[-1] <= '9') {
        --p;
    }
    if (p != first && (p[-1] == '+' || p[-1] == '-')) {
        --p;
    }
    return p == first || !isExponentLetter(p[-1]);
}

// The stream gathers an optional sign, digits with at most one point, then, once a digit
// was seen, e or E with an optional sign and digits, and converts what it gathered.
// from_chars reads the same grammar but takes neither a plus nor inf and nan, and leaves
// an exponent without digits unread where the stream gathers it and fails ("1.5e").
FloatReading readFloat(const char* p, const char* const end, float& value) {
    // from_chars takes a minus but no plus.
    const char* const first = p != end && *p == '+' ? p + 1 : p;
    if (p != end && (*p == '+' || *p == '-')) {
        ++p;
    }
    if (p == end || !isDigitOrPoint(*p)) {
        return FloatReading::FAILED;
    }
    const std::from_chars_result reading = std::from_chars(first, end, value);
    if (reading.ec == std::errc::result_out_of_range) {
        return FloatReading::OUT_OF_RANGE;
    }
    const bool read = reading.ec == std::errc() && !exponentLeftUnread(first, reading.ptr, end);
    return read ? FloatReading::VALUE : FloatReading::FAILED;
}

// Beyond the float range the stream fails on overflow but gives the rounded value, a
// zero or a subnormal, on underflow: its own reading settles it.
bool streamReadFloat(const std::string& text, float& value) {
    std::istringstream stream(text);
    stream >> value;
    return !stream.fail();
}

template <typename T>
bool readNumber(const std::string& text, const int base, T& value) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && isStreamBlank(*p)) {
        ++p;
    }
    if constexpr (std::is_same_v<T, float>) {
        const FloatReading reading = readFloat(p, end, value);
        if (reading == FloatReading::OUT_OF_RANGE) {
            return streamReadFloat(text, value);
        }
        return reading == FloatReading::VALUE;
    } else if constexpr (std::is_same_v<T, unsigned long>) {
        // unsigned long keeps the 32-bit results it has where it is 32 bits wide.
        std::uint32_t narrow = 0;
        const bool read = readInteger(p, end, base, narrow);
        value = narrow;
        return read;
    } else {
        return readInteger(p, end, base, value);
    }
}

// Out of line, so that the conversions need no stack frame for building the message.
[[noreturn]] void throwCannotConvert(const std::string& text) {
    throw std::domain_error("Cant convert String to Num:" + text);
}

} // namespace

template <typename T>
T strToNum(const std::string& text, const int base) {
    T value{};
    if (!text.empty() && !readNumber(text, base, value)) {
        throwCannotConvert(text);
    }
    return value;
}

template <typename T>
T strToNum(const std::string& text) {
    const bool hex = text.size() >= 2 && text[0] == '0' && text[1] == 'x';
    return strToNum<T>(text, hex ? 16 : 10);
}

template float strToNum<float>(const std::string&, int);
template int strToNum<int>(const std::string&, int);
template short strToNum<short>(const std::string&, int);
template unsigned int strToNum<unsigned int>(const std::string&, int);
template unsigned long strToNum<unsigned long>(const std::string&, int);
template float strToNum<float>(const std::string&);
template int strToNum<int>(const std::string&);
template short strToNum<short>(const std::string&);
template unsigned int strToNum<unsigned int>(const std::string&);
template unsigned long strToNum<unsigned long>(const std::string&);

} // namespace Util
