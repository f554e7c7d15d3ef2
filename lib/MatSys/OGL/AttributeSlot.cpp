#include "MatSys/OGL/AttributeSlot.h"

#include "Util/StringUtils.h"

#include <algorithm>
#include <cctype>

namespace MatSys::OGL {

namespace {

constexpr int FIRST_FREE_SLOT = 3;
constexpr int LAST_SLOT = 6;

// 3 + N for the digits N after "atr"; REFUSED for anything but a number from 0 to 3, so a
// malformed or huge suffix can neither end the process nor reach glBindAttribLocation.
int numberedSlot(const std::string& digits) {
    const bool allDigits = std::all_of(digits.begin(), digits.end(), [](const char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
    if (!allDigits) {
        return AttributeSlot::REFUSED;
    }
    const std::size_t firstNonZero = std::min(digits.find_first_not_of('0'), digits.size());
    const std::string significant = digits.substr(firstNonZero);
    if (significant.size() > 1) {
        return AttributeSlot::REFUSED;
    }
    const int slot = FIRST_FREE_SLOT + (significant.empty() ? 0 : significant[0] - '0');
    return slot <= LAST_SLOT ? slot : AttributeSlot::REFUSED;
}

} // namespace

int AttributeSlot::forName(const std::string& name) {
    if (Util::startswith(name, "gl_")) {
        return BUILT_IN;
    }
    if (Util::endswith(name, "_vtx")) {
        return 0;
    }
    if (Util::endswith(name, "_texcoord")) {
        return 1;
    }
    if (Util::endswith(name, "_clr")) {
        return 2;
    }
    const std::size_t underscore = name.rfind('_');
    const std::string lastPart =
        underscore == std::string::npos ? name : name.substr(underscore + 1);
    if (!Util::startswith(lastPart, "atr")) {
        return REFUSED;
    }
    return numberedSlot(lastPart.substr(3));
}

} // namespace MatSys::OGL
