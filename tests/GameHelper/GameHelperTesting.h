#pragma once

#include "../CFG/CFGTesting.h"

#include <string>

// Helpers shared by the tests of the configuration helpers.

// text with every character that means something in an extended regular expression escaped.
inline std::string literally(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos) {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

// The whole abort report of a definition reader as a pattern: the first line names the
// reporting function (matched as it is written, from its namespace on), its source file
// among the configuration helpers and a line; the second is exactly the message.
inline std::string helperReport(const std::string& function, const std::string& message) {
    return "^ABORT: Func:[^\n]*" + literally(function) +
           "[^\n]* File:[^\n]*lib/GameHelper/CFGHelper[^\n]* Line: [0-9]+\nABORT: " +
           literally(message) + "\n$";
}
