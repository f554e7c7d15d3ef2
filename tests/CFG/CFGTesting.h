#pragma once

#include "Support/ScratchDir.h"

#include "CFG/Info.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

// Helpers shared by the configuration tests: configurations read from text, and the exact
// text of the conversion error.

// A configuration read from text written to a scratch file, which is gone once it is read.
inline CFG::Info configOf(const std::string& text, CFG::Info* const parent = nullptr) {
    const ScratchDir dir;
    return CFG::Info(dir.write("test.cfg", text), parent);
}

// Every own key with its value as read, in key order: "A=1|B=x".
inline std::string dump(const CFG::Info& config) {
    std::vector<std::string> keys;
    config.keys(keys);
    std::string text;
    for (const std::string& key : keys) {
        text += (text.empty() ? "" : "|") + key + "=" + config.get(key);
    }
    return text;
}

// What a rule is about, a configuration text and the dump of what it reads as.
struct DumpRow {
    const char* rule;
    std::string text;
    std::string dump;
};

inline void expectDumps(const std::vector<DumpRow>& rows) {
    for (const DumpRow& row : rows) {
        EXPECT_EQ(dump(configOf(row.text)), row.dump) << row.rule;
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
