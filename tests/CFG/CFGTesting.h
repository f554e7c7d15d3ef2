#pragma once

#include "../Files/ScratchDir.h"

#include "CFG/Info.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// Helpers shared by the configuration tests: configurations read from text, and the exact
// texts of the conversion error and of the abort report.
using Keys = std::vector<std::string>;
using Values = std::vector<std::pair<std::string, std::string>>;

// A configuration read from text written to a scratch file, which is gone once it is read.
inline CFG::Info configOf(const std::string& text, CFG::Info* const parent = nullptr) {
    const ScratchDir dir;
    return CFG::Info(dir.write("test.cfg", text), parent);
}

inline Keys keysOf(const CFG::Info& config) {
    Keys keys;
    config.keys(keys);
    return keys;
}

// Every own key with its value as read, in key order: "A=1|B=x".
inline std::string dump(const CFG::Info& config) {
    std::string text;
    const char* separator = "";
    for (const std::string& key : keysOf(config)) {
        text += separator + key + "=" + config.get(key);
        separator = "|";
    }
    return text;
}

inline void expectValues(const CFG::Info& config, const Values& expected) {
    for (const auto& [key, value] : expected) {
        EXPECT_EQ(config.get(key), value) << key;
    }
}

// The text of the std::domain_error that read throws.
template <typename Read>
std::string conversionError(const Read& read) {
    try {
        read();
    } catch (const std::domain_error& error) {
        return error.what();
    }
    return "no error";
}

inline std::string escaped(const std::string& text) {
    std::string pattern;
    for (const char c : text) {
        if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos) {
            pattern += '\\';
        }
        pattern += c;
    }
    return pattern;
}

// The whole abort report: the first line names this compiler's function (inside CFG::scope),
// file and line, the second is exactly the message.
inline std::string abortReport(const std::string& scope, const std::string& message) {
    return "^ABORT: Func:[^\n]*CFG::" + escaped(scope) +
           "[^\n]* File:[^\n]* Line: [0-9]+\nABORT: " + escaped(message) + "\n$";
}
