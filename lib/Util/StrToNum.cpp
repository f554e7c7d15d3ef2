#include "Util/StrToNum.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <type_traits>

// The configuration converts its texts every frame, and a string stream costs several
// hundred nanoseconds a number. So the text is scanned here exactly as libstdc++'s
// num_get scans it in the classic locale, and only a float beyond the float range, rare
// and subtle (overflow fails, underflow does not), is handed to a stream.

namespace Util {
namespace {

// What the classic locale's stream skips before a number: space, \t, \n, \v, \f, \r.
bool isStreamBlank(const char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The value of c as a digit of radix 8, 10 or 16, or -1.
int digitValue(const char c, const int radix) {
    if (c >= '0' && c <= '9') {
        return c - '0' < radix ? c - '0' : -1;
    }
    if (radix == 16 && c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (radix == 16 && c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

struct ScannedInteger {
    bool negative = false;
    bool found = false;
    // Stops growing above MAGNITUDE_CAP, which lies beyond every type's limit.
    std::uint64_t magnitude = 0;
};

constexpr std::uint64_t MAGNITUDE_CAP = std::uint64_t{1} << 32;

// An optional sign; in base 16 an optional 0x or 0X; with a base other than 8, 10 and 16
// a 0x or 0X selects hexadecimal and a leading 0 octal; then the digits. After a 0x
// prefix a digit must follow, while octal's leading 0 is a number by itself.
ScannedInteger scanInteger(const char* p, const char* const end, const int base) {
    ScannedInteger number;
    if (p != end && (*p == '-' || *p == '+')) {
        number.negative = *p == '-';
        ++p;
    }
    const bool baseFromText = base != 8 && base != 10 && base != 16;
    int radix = baseFromText ? 10 : base;
    const bool hexPrefix = end - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X');
    if (hexPrefix && (base == 16 || baseFromText)) {
        radix = 16;
        p += 2;
    } else if (baseFromText && p != end && *p == '0') {
        radix = 8;
    }
    for (; p != end; ++p) {
        const int digit = digitValue(*p, radix);
        if (digit < 0) {
            break;
        }
        number.found = true;
        if (number.magnitude <= MAGNITUDE_CAP) {
            number.magnitude =
                number.magnitude * static_cast<unsigned>(radix) + static_cast<unsigned>(digit);
        }
    }
    return number;
}

// The stream reads int and short through long and fails on a value outside the type;
// unsigned int wraps a minus and fails only above its maximum.
template <typename T>
bool toInteger(const ScannedInteger& number, T& value) {
    if (!number.found) {
        return false;
    }
    if constexpr (std::is_signed_v<T>) {
        const std::int64_t lowest = std::numeric_limits<T>::min();
        const std::uint64_t limit =
            number.negative ? static_cast<std::uint64_t>(-lowest) : std::numeric_limits<T>::max();
        if (number.magnitude > limit) {
            return false;
        }
        const auto wide = static_cast<std::int64_t>(number.magnitude);
        value = static_cast<T>(number.negative ? -wide : wide);
    } else {
        if (number.magnitude > std::numeric_limits<T>::max()) {
            return false;
        }
        const auto magnitude = static_cast<T>(number.magnitude);
        value = number.negative ? T{0} - magnitude : magnitude;
    }
    return true;
}

// Where the float text at p ends, as the stream gathers it after the sign: digits with
// at most one point, then, once a digit was seen, e or E with an optional sign and
// digits. An exponent letter without digits is gathered too, which fails ("1.5e").
const char* floatTextEnd(const char* p, const char* const end) {
    bool digitSeen = false;
    bool pointSeen = false;
    bool exponentSeen = false;
    while (p != end) {
        const char c = *p;
        if (c >= '0' && c <= '9') {
            digitSeen = true;
        } else if (c == '.' && !pointSeen && !exponentSeen) {
            pointSeen = true;
        } else if ((c == 'e' || c == 'E') && digitSeen && !exponentSeen) {
            exponentSeen = true;
            if (++p == end) {
                break;
            }
            if (*p != '+' && *p != '-') {
                continue;
            }
        } else {
            break;
        }
        ++p;
    }
    return p;
}

enum class FloatReading { Value, Failed, OutOfRange };

FloatReading readFloat(const char* p, const char* const end, float& value) {
    const bool sign = p != end && (*p == '+' || *p == '-');
    // from_chars takes a minus but no plus.
    const char* const first = sign && *p == '+' ? p + 1 : p;
    const char* const last = floatTextEnd(sign ? p + 1 : p, end);
    const std::from_chars_result read = std::from_chars(first, last, value);
    if (read.ec == std::errc::result_out_of_range) {
        return FloatReading::OutOfRange;
    }
    return read.ec == std::errc() && read.ptr == last ? FloatReading::Value : FloatReading::Failed;
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
        if (reading == FloatReading::OutOfRange) {
            return streamReadFloat(text, value);
        }
        return reading == FloatReading::Value;
    } else if constexpr (std::is_same_v<T, unsigned long>) {
        // unsigned long keeps the 32-bit results it has where it is 32 bits wide.
        std::uint32_t narrow = 0;
        const bool read = toInteger(scanInteger(p, end, base), narrow);
        value = narrow;
        return read;
    } else {
        return toInteger(scanInteger(p, end, base), value);
    }
}

} // namespace

template <typename T>
T strToNum(const std::string& text, const int base) {
    T value{};
    if (!text.empty() && !readNumber(text, base, value)) {
        throw std::domain_error("Cant convert String to Num:" + text);
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
