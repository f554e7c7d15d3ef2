#pragma once

#include "Util/StringUtils.h"

#include <string>
#include <vector>

namespace GameHelper {

// The pieces of text between the delimiters, each trimmed of blanks, empty ones dropped: how
// every definition value is cut, at every level.
inline std::vector<std::string> piecesOf(const std::string& text, const std::string& delimiter) {
    std::vector<std::string> pieces;
    Util::splitString(text, delimiter, pieces, false, true);
    return pieces;
}

} // namespace GameHelper
