#pragma once

#include "../CFG/CFGTesting.h"

#include <csignal>
#include <string>
#include <vector>

// Helpers shared by the tests of the configuration helpers.

const auto ABORTED = testing::KilledBySignal(SIGABRT);

// The abort report of a definition reader: the first line names the reporting function as
// this compiler spells it and a source file of the configuration helpers; then the message.
inline std::string helperReport(const std::string& function, const std::string& message) {
    const auto literally = [](const std::string& text) {
        std::string pattern;
        for (const char c : text) {
            pattern += (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos ? "\\" : "") +
                       std::string(1, c);
        }
        return pattern;
    };
    return "^ABORT: Func:[^\n]*" + literally(function) +
           "[^\n]* File:[^\n]*lib/GameHelper/CFGHelper[^\n]* Line: [0-9]+\nABORT: " +
           literally(message) + "\n$";
}

// The names a store holds, in the order its iterator walks them.
template <typename Store>
std::vector<std::string> namesIn(const Store& store) {
    std::vector<std::string> names;
    for (auto walk = store.getIterator(); !walk->isDone(); walk->next()) {
        names.push_back(walk->currentItem().first);
    }
    return names;
}
