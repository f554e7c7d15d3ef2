#pragma once

#include "../CFG/CFGTesting.h"
#include "Support/AbortReport.h"

#include <string>
#include <vector>

// The names a store holds, in the order its iterator walks them.
template <typename Store>
std::vector<std::string> namesIn(const Store& store) {
    std::vector<std::string> names;
    for (auto walk = store.getIterator(); !walk->isDone(); walk->next()) {
        names.push_back(walk->currentItem().first);
    }
    return names;
}
