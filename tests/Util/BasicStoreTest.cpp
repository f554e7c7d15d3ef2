#include "Util/BasicStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Keys = std::vector<std::string>;

TEST(BasicStoreTest, MissingKeyGivesTheNullValueAndAKeyHoldsItsLastValueUntilRemoved) {
    Util::BasicStore<std::string, int> uniforms(-1);
    uniforms.add("colour", 3);
    uniforms.add("colour", 4);
    uniforms.add("alpha", 5);
    EXPECT_EQ(uniforms.find("color"), -1);
    EXPECT_EQ(uniforms.remove("color"), -1);
    EXPECT_EQ(uniforms.find("colour"), 4);
    EXPECT_EQ(uniforms.remove("alpha"), 5);
    EXPECT_EQ(uniforms.find("alpha"), -1);
    uniforms.clear();
    EXPECT_TRUE(uniforms.getIterator()->isDone());
}

TEST(BasicStoreTest, WalkVisitsTextKeysInUnsignedByteOrder) {
    Util::BasicStore<std::string, int> store(0);
    for (const char* const key : {"b", "\xe9t\xe9", "a", "ab", "B", "a"}) {
        store.add(key, 1);
    }
    Keys keys;
    for (auto walk = store.getIterator(); !walk->isDone(); walk->next()) {
        keys.push_back(walk->currentKey());
    }
    EXPECT_EQ(keys, (Keys{"B", "a", "ab", "b", "\xe9t\xe9"}));
}

TEST(BasicStoreTest, FinishedIteratorGivesTheNullValueAndStaysDone) {
    Util::BasicStore<std::string, int> store(-1);
    auto empty = store.getIterator();
    EXPECT_TRUE(empty->isDone());
    EXPECT_EQ(empty->currentItem(), -1);
    empty->next();
    EXPECT_TRUE(empty->isDone());

    store.add("only", 5);
    auto walk = store.getIterator();
    EXPECT_EQ(walk->currentItem(), 5);
    walk->next();
    walk->next();
    EXPECT_TRUE(walk->isDone());
    EXPECT_EQ(walk->currentItem(), -1);
    walk->first();
    EXPECT_EQ(walk->curItemNoCheck(), 5);
}

} // namespace
