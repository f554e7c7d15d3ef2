#include "GameHelperTesting.h"

#include "GameHelper/CFGHelper.h"
#include "SprSys/AnimSeqMapStoreIterator.h"
#include "SprSys/AnimSeqMappingStores.h"
#include "SprSys/AnimSequenceStore.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

class AnimSeqMappingLoaderTest : public testing::Test {
protected:
    AnimSeqMappingLoaderTest() {
        for (const char* const name : {"walk", "run", "jump", "run:2"}) {
            names[sequences.add(name, new SprSys::AnimSequence)] = name;
        }
    }
    void load(const std::string& text) {
        GameHelper::CFGHelper::populateAnimSeqMappingStores(&stores, dir.write("m.cfg", text), "",
                                                            &sequences);
    }
    // The named map store's mappings as "from:key=>to|...", in the store's order.
    std::string mappings(const std::string& storeName) {
        std::string text;
        for (auto it = stores.get(storeName)->getIterator(); !it->isDone(); it->next()) {
            const auto [key, to] = it->currentItem();
            text += (text.empty() ? "" : "|") + names[key.first] + ":" +
                    std::to_string(key.second) + "=>" + names[to];
        }
        return text;
    }

    const ScratchDir dir;
    SprSys::AnimSequenceStore sequences;
    std::map<const SprSys::AnimSequence*, std::string> names;
    SprSys::AnimSeqMappingStores stores;
};

const char* const MAP_GETTOR = "GameHelper::{anonymous}::AnimSeqMapStoreGettor::operator()";

TEST_F(AnimSeqMappingLoaderTest, EntriesGiveFromNameOptionalKeyAndToName) {
    const Rows rows = {
        {"walk=>run", "walk:-1=>run"},
        {" walk : 3 => run ", "walk:3=>run"},
        {"walk:=>run", "walk:-1=>run"},
        {":walk=>run", "walk:-1=>run"},
        {"walk:-2=>run", "walk:-2=>run"},
        {"walk:3:9=>run", "walk:3=>run"},
        {"walk=>run=>jump", "walk:-1=>run"},
        {"walk=>=>run", "walk:-1=>run"},
        {"walk:0x10=>run", "walk:0=>run"},
        {"walk=>run:2", "walk:-1=>run:2"},
        {"walk=>run, walk:-1=>jump", "walk:-1=>jump"},
        {"walk:5=>run,,walk:2=>jump, walk=>run", "walk:-1=>run|walk:2=>jump|walk:5=>run"},
        {" , ,", ""}};
    for (const auto& [value, want] : rows) {
        stores.clear();
        load("M == " + value + "\n");
        EXPECT_EQ(mappings("M"), want) << value;
    }
}

TEST_F(AnimSeqMappingLoaderTest, MalformedEntriesAndUnknownSequencesAbort) {
    const std::string malformed = "Expected <seqFrom> => <seqTo> fields for AnimSeqMapping entry: ";
    const Rows rows = {{"walk", malformed},    {"walk=>", malformed},     {"=>run", malformed},
                       {":=>run", malformed},  {"nope=>run", "nope"},     {"walk=>nope", "nope"},
                       {"from:1=>to", "from"}, {"walk=>jump:2", "jump:2"}};
    for (const auto& [entry, missing] : rows) {
        const std::string message =
            missing == malformed
                ? malformed + entry
                : "Sequence (" + missing + ") not found for AnimSeqMapping: " + entry;
        EXPECT_ABORT_REPORT(load("M == jump=>run, " + entry + "\n"), MAP_GETTOR, message) << entry;
    }
    EXPECT_EQ(conversionError([this] { load("M == nope:x=>nada\n"); }),
              "Cant convert String to Num:x");
}

} // namespace
