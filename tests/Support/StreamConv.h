#pragma once

#include <cstdint>
#include <cstring>
#include <ios>
#include <sstream>
#include <stdexcept>
#include <string>
#include <type_traits>

// The plain string-stream conversions that Util::strToNum and Util::numToStr replace: the
// reference that the agreement test and fuzz target compare them with.
namespace StreamConv {

inline std::ios::fmtflags baseField(const int base) {
    switch (base) {
    case 8:
        return std::ios::oct;
    case 10:
        return std::ios::dec;
    case 16:
        return std::ios::hex;
    default:
        return std::ios::fmtflags();
    }
}

template <typename T>
T strToNum(const std::string& text, const int base) {
    if (text.empty()) {
        return T();
    }
    std::istringstream stream(text);
    stream.setf(baseField(base), std::ios::basefield);
    // unsigned long keeps its 32-bit results where it is 64 bits wide.
    std::conditional_t<std::is_same_v<T, unsigned long>, std::uint32_t, T> value;
    stream >> value;
    if (stream.fail()) {
        throw std::domain_error("Cant convert String to Num:" + text);
    }
    return value;
}

template <typename T>
T strToNum(const std::string& text) {
    return strToNum<T>(text, text.compare(0, 2, "0x") == 0 ? 16 : 10);
}

template <typename T>
std::string numToStr(const T value, const int base, const int width, const int precision) {
    std::ostringstream stream;
    if (precision != -1) {
        stream << std::fixed;
        stream.precision(precision);
    }
    if (base == 16) {
        stream << "0x";
    }
    stream.fill('0');
    stream.width(width);
    stream.setf(baseField(base), std::ios::basefield);
    stream << value;
    return stream.str();
}

// The outcome of a conversion as text, to compare two of them: the value converted, a
// float by its bits, or the error's message.
template <typename T, typename Conversion>
std::string outcomeOf(const Conversion conversion) {
    try {
        const T value = conversion();
        std::conditional_t<std::is_same_v<T, float>, std::uint32_t, T> bits{};
        std::memcpy(&bits, &value, sizeof bits);
        return std::to_string(bits);
    } catch (const std::domain_error& error) {
        return error.what();
    }
}

} // namespace StreamConv
