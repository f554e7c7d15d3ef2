#pragma once

#include "../Files/ScratchDir.h"

#include "CFG/Info.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// A scratch folder for configuration files written by a test.
class ConfigFiles : public ScratchDir {
public:
    // A configuration read from text written to the file name, with an optional parent.
    CFG::Info read(const std::string& text, CFG::Info* const parent = nullptr,
                   const std::string& name = "test.cfg") const {
        return CFG::Info(write(name, text), parent);
    }
};

inline std::vector<std::string> keysOf(const CFG::Info& config) {
    std::vector<std::string> keys;
    config.keys(keys);
    return keys;
}

// Each key's value, the key named on a mismatch.
inline void expectValues(const CFG::Info& config,
                         const std::vector<std::pair<std::string, std::string>>& expected) {
    for (const auto& [key, value] : expected) {
        EXPECT_EQ(config.get(key), value) << key;
    }
}
