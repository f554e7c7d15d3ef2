// Util::strToNum and Util::numToStr against the plain string-stream conversions they
// replace: the same value bit for bit, the same text or the same error, else an abort.
// The first byte picks the conversion and the base; the rest is the text to read, or the
// bits of the number to write followed by a width byte and a precision byte.
#include "../tests/Support/StreamConv.h"

#include "Util/NumToStr.h"
#include "Util/StrToNum.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The bases the system passes and a few that make the stream take the base from the text.
constexpr int BASES[] = {8, 10, 16, 0, 2, -1};
constexpr int BASE_CHOICES = 7;

void expectSame(const std::string& ours, const std::string& stream, const std::string& what) {
    if (ours != stream) {
        std::fprintf(stderr, "%s: ours \"%s\", stream \"%s\"\n", what.c_str(), ours.c_str(),
                     stream.c_str());
        std::abort();
    }
}

// Base choice 6 is the form that takes the base from a "0x" at the start of the text.
template <typename T>
void compareStrToNum(const std::string& text, const int baseChoice) {
    using StreamConv::outcomeOf;
    if (baseChoice == BASE_CHOICES - 1) {
        expectSame(outcomeOf<T>([&] { return Util::strToNum<T>(text); }),
                   outcomeOf<T>([&] { return StreamConv::strToNum<T>(text); }), "strToNum");
        return;
    }
    const int base = BASES[baseChoice];
    expectSame(outcomeOf<T>([&] { return Util::strToNum<T>(text, base); }),
               outcomeOf<T>([&] { return StreamConv::strToNum<T>(text, base); }),
               "strToNum base " + std::to_string(base));
}

template <typename T>
void compareNumToStr(const std::uint8_t* const data, const std::size_t size, const int baseChoice) {
    if (size < sizeof(T) + 2) {
        return;
    }
    T value{};
    std::memcpy(&value, data, sizeof value);
    const int width = static_cast<std::int8_t>(data[sizeof value]);
    const int precision = static_cast<std::int8_t>(data[sizeof value + 1]);
    const int base = BASES[baseChoice % 6];
    expectSame(Util::numToStr(value, base, width, precision),
               StreamConv::numToStr(value, base, width, precision),
               "numToStr base " + std::to_string(base) + " width " + std::to_string(width) +
                   " precision " + std::to_string(precision));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* const data, const std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int conversion = data[0] % 7;
    const int baseChoice = data[0] / 7 % BASE_CHOICES;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    switch (conversion) {
    case 0:
        compareStrToNum<float>(text, baseChoice);
        break;
    case 1:
        compareStrToNum<int>(text, baseChoice);
        break;
    case 2:
        compareStrToNum<short>(text, baseChoice);
        break;
    case 3:
        compareStrToNum<unsigned int>(text, baseChoice);
        break;
    case 4:
        compareStrToNum<unsigned long>(text, baseChoice);
        break;
    case 5:
        compareNumToStr<int>(data + 1, size - 1, baseChoice);
        break;
    default:
        compareNumToStr<float>(data + 1, size - 1, baseChoice);
        break;
    }
    return 0;
}
