#include "GameHelperTesting.h"

#include "CFG/GlobalConfig.h"
#include "GameHelper/CFGHelper.h"
#include "SprSys/AnimSeqMapStoreIterator.h"
#include "SprSys/AnimSeqMappingStores.h"
#include "SprSys/AnimSequenceStore.h"

#include <gtest/gtest.h>

#include <csignal>
#include <map>
#include <string>

namespace {

using SprSys::AnimSequence;

class AnimSeqMappingLoaderTest : public testing::Test {
protected:
    AnimSeqMappingLoaderTest() {
        for (const char* const name : {"walk", "run", "jump", "run:2"}) {
            sequences.add(name, new AnimSequence);
        }
    }
    void load(const std::string& text, const std::string& prefix = "") {
        GameHelper::CFGHelper::populateAnimSeqMappingStores(&stores, dir.write("map.cfg", text),
                                                            prefix, &sequences);
    }
    // Every mapping of the named map store as "from:key=>to|...", in the store's order.
    std::string mappings(const std::string& storeName) const {
        std::map<const AnimSequence*, std::string> names;
        for (auto it = sequences.getIterator(); !it->isDone(); it->next()) {
            names[it->currentItem().second] = it->currentItem().first;
        }
        std::string text;
        for (auto it = stores.get(storeName)->getIterator(); !it->isDone(); it->next()) {
            const auto [key, to] = it->currentItem();
            text += (text.empty() ? "" : "|") + names[key.first] + ":" +
                    std::to_string(key.second) + "=>" + names[to];
        }
        return text;
    }
    // The mappings read from one value.
    std::string mappingsOf(const std::string& value) {
        stores.clear();
        load("M == " + value + "\n");
        return mappings("M");
    }

    const ScratchDir dir;
    SprSys::AnimSequenceStore sequences;
    SprSys::AnimSeqMappingStores stores;
};

const auto ABORTED = testing::KilledBySignal(SIGABRT);
const char* const MAP_GETTOR = "GameHelper::{anonymous}::AnimSeqMapStoreGettor::operator()";

TEST_F(AnimSeqMappingLoaderTest, EntriesGiveFromNameOptionalKeyAndToName) {
    const std::pair<const char*, const char*> rows[] = {
        {"walk=>run", "walk:-1=>run"},
        {" walk : 3 => run ", "walk:3=>run"},
        {"walk:=>run", "walk:-1=>run"},
        {":walk=>run", "walk:-1=>run"},
        {"walk:-1=>run", "walk:-1=>run"},
        {"walk:-2=>run", "walk:-2=>run"},
        {"walk:3:9=>run", "walk:3=>run"},
        {"walk=>run=>jump", "walk:-1=>run"},
        {"walk=>=>run", "walk:-1=>run"},
        {"walk:0x10=>run", "walk:0=>run"},
        {"walk=>run:2", "walk:-1=>run:2"},
        {"walk=>run, walk=>jump", "walk:-1=>jump"},
        {"walk:5=>run,,walk:2=>jump", "walk:2=>jump|walk:5=>run"},
        {" , ,", ""},
        {"", ""},
    };
    for (const auto& [value, want] : rows) {
        EXPECT_EQ(mappingsOf(value), want) << value;
    }
}

TEST_F(AnimSeqMappingLoaderTest, LoaderFilesEveryKeyAsItsMapStoreAndFirstLoadWins) {
    CFG::getDefaultOverrides()->add("B", "jump=>walk");
    CFG::getDefaultOverrides()->add("ONLY_OVERRIDE", "walk=>run");
    load("B == walk=>run\nA == run=>jump\n");
    CFG::getDefaultOverrides()->add("B", "");
    EXPECT_EQ(mappings("A"), "run:-1=>jump");
    EXPECT_EQ(mappings("B"), "jump:-1=>walk");
    const SprSys::AnimSeqMapStore* const a = stores.get("A");
    load("A == walk=>run\n");
    EXPECT_EQ(stores.get("A"), a);
    EXPECT_EQ(mappings("A"), "run:-1=>jump");
    auto it = stores.getIterator();
    it->next();
    it->next();
    EXPECT_TRUE(it->isDone());
}

TEST_F(AnimSeqMappingLoaderTest, MalformedEntriesAbort) {
    for (const std::string entry : {"walk", "walk=>", "=>run", ":=>run"}) {
        EXPECT_EXIT(
            load("M == jump=>run, " + entry + "\n"), ABORTED,
            helperReport(MAP_GETTOR,
                         "Expected <seqFrom> => <seqTo> fields for AnimSeqMapping entry: " + entry))
            << entry;
    }
}

TEST_F(AnimSeqMappingLoaderTest, UnknownSequencesAbortFromNameFirst) {
    const std::pair<const char*, const char*> rows[] = {{"nope=>run", "nope"},
                                                        {"walk=>nope", "nope"},
                                                        {"from:1=>to", "from"},
                                                        {"walk=>jump:2", "jump:2"}};
    for (const auto& [entry, name] : rows) {
        EXPECT_EXIT(load(std::string("M == ") + entry + "\n"), ABORTED,
                    helperReport(MAP_GETTOR, std::string("Sequence (") + name +
                                                 ") not found for AnimSeqMapping: " + entry))
            << entry;
    }
}

TEST_F(AnimSeqMappingLoaderTest, KeyThatIsNoNumberThrowsBeforeNamesAreLookedUp) {
    EXPECT_EQ(conversionError([this] { load("M == nope:x=>nada\n"); }),
              "Cant convert String to Num:x");
}

} // namespace
