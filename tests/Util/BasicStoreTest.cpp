#include "Util/BasicStore.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

template <typename K, typename V>
std::vector<K> keysInWalkOrder(const Util::BasicStore<K, V>& store) {
    std::vector<K> keys;
    for (auto walk = store.getIterator(); !walk->isDone(); walk->next()) {
        keys.push_back(walk->currentKey());
    }
    return keys;
}

TEST(BasicStoreTest, MissingKeyGivesTheNullValueAndAKeyHoldsItsLastValue) {
    Util::BasicStore<std::string, int> uniforms(-1);
    uniforms.add("colour", 3);
    uniforms.add("colour", 4);
    EXPECT_EQ(uniforms.find("color"), -1);
    EXPECT_EQ(uniforms.remove("color"), -1);
    EXPECT_EQ(uniforms.find("colour"), 4);
    EXPECT_EQ(keysInWalkOrder(uniforms), std::vector<std::string>{"colour"});
}

TEST(BasicStoreTest, RemoveAndClearHandBackPointersWithoutDeletingThem) {
    int first = 1;
    int second = 2;
    Util::BasicStore<std::string, int*> store(nullptr);
    store.add("first", &first);
    store.add("second", &second);

    EXPECT_EQ(store.remove("first"), &first);
    EXPECT_EQ(store.find("first"), nullptr);
    store.clear();
    EXPECT_EQ(store.find("second"), nullptr);
    EXPECT_TRUE(store.getIterator()->isDone());
}

TEST(BasicStoreTest, WalkVisitsTextKeysInUnsignedByteOrder) {
    Util::BasicStore<std::string, int> store(0);
    for (const char* const key : {"b", "\xe9t\xe9", "a", "ab", "B"}) {
        store.add(key, 1);
    }
    EXPECT_EQ(keysInWalkOrder(store), (std::vector<std::string>{"B", "a", "ab", "b", "\xe9t\xe9"}));
}

TEST(BasicStoreTest, PairKeysOrderByPointerThenSignedInt) {
    // Stands in for the animation sequence map: (sequence, mapping key) to sequence.
    using Sequence = std::vector<int>;
    using Key = std::pair<const Sequence*, int>;
    const Sequence sequences[2];
    Sequence target;
    Util::BasicStore<Key, Sequence*> map(nullptr);
    map.add({&sequences[1], -4}, &target);
    map.add({&sequences[0], 7}, &target);
    map.add({&sequences[1], -9}, &target);

    EXPECT_EQ(keysInWalkOrder(map),
              (std::vector<Key>{{&sequences[0], 7}, {&sequences[1], -9}, {&sequences[1], -4}}));
    EXPECT_EQ(map.find({&sequences[0], 7}), &target);
    EXPECT_EQ(map.find({&sequences[0], -4}), nullptr);
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
