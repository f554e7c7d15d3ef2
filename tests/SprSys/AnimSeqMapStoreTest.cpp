#include "SprSys/AnimSeqMapStore.h"
#include "SprSys/AnimSeqMapStoreIterator.h"
#include "SprSys/AnimSeqMappingStores.h"
#include "SprSys/AnimSequenceStore.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using SprSys::AnimSequence;

class AnimSeqMapStoreTest : public testing::Test {
protected:
    AnimSeqMapStoreTest() {
        walk = sequences.add("walk", new AnimSequence);
        a = sequences.add("a", new AnimSequence);
        b = sequences.add("b", new AnimSequence);
    }
    SprSys::AnimSequenceStore sequences;
    AnimSequence* walk;
    AnimSequence* a;
    AnimSequence* b;
    SprSys::AnimSeqMapStore store{&sequences};
};

TEST_F(AnimSeqMapStoreTest, AKeyWithoutItsOwnMappingFallsBackToMinusOne) {
    store.add(walk, 2, b);
    EXPECT_EQ(store.get(walk, 2), b);
    EXPECT_EQ(store.get(walk, -1), nullptr);
    EXPECT_EQ(store.get(walk, 7), nullptr);
    store.add("walk", -1, a);
    EXPECT_EQ(store.get(walk, 7), a);
    EXPECT_EQ(store.get("walk", -1), a);
    store.add(walk, 2, nullptr);
    EXPECT_EQ(store.get(walk, 2), a);
    store.add(walk, 3, b);
    store.add(walk, 3, a);
    EXPECT_EQ(store.get(walk, 3), a);
    store.clear();
    EXPECT_EQ(store.get(walk, 3), nullptr);
}

TEST_F(AnimSeqMapStoreTest, NamesTheSequenceStoreDoesNotHoldMeetAtItsDefaultSequence) {
    store.add("nowhere", 1, a);
    EXPECT_EQ(store.get("elsewhere", 1), a);
    EXPECT_EQ(store.get(sequences.get("missing"), 1), a);
    EXPECT_EQ(store.get("walk", 1), nullptr);
}

TEST_F(AnimSeqMapStoreTest, IteratorWalksOneSequencesKeysInSignedOrder) {
    for (const int key : {5, -1, 2}) {
        store.add(walk, key, a);
    }
    std::vector<int> keys;
    const auto it = store.getIterator();
    for (; !it->isDone(); it->next()) {
        EXPECT_EQ(it->currentItem().first.first, walk);
        keys.push_back(it->currentItem().first.second);
    }
    EXPECT_EQ(keys, (std::vector<int>{-1, 2, 5}));
    it->next();
    const SprSys::AnimSeqMapStoreIterator::Item end = it->currentItem();
    EXPECT_EQ(end.first, SprSys::AnimSeqMapStore::Key(nullptr, 0));
    EXPECT_EQ(end.second, nullptr);
}

TEST_F(AnimSeqMapStoreTest, CollectionAnswersMissesWithTheSharedEmptyDefaultStore) {
    SprSys::AnimSeqMappingStores stores;
    SprSys::AnimSeqMapStore* const fallback = stores.get("missing");
    EXPECT_EQ(SprSys::AnimSeqMappingStores().get("other"), fallback);
    fallback->add("walk", -1, a);
    EXPECT_EQ(fallback->get("walk", -1), nullptr);
    EXPECT_EQ(fallback->get(walk, -1), nullptr);
    EXPECT_EQ(stores.add("fallback", fallback), fallback);

    SprSys::AnimSeqMapStore* const held =
        stores.add("moves", new SprSys::AnimSeqMapStore(&sequences));
    EXPECT_EQ(stores.add("moves", &store), held);
    EXPECT_EQ(stores.get("moves"), held);
    const auto it = stores.getIterator();
    EXPECT_EQ(it->currentItem().first, "moves");
    it->next();
    EXPECT_TRUE(it->isDone());
    EXPECT_EQ(it->currentItem().first, "");
    EXPECT_EQ(it->currentItem().second, fallback);
    stores.clear();
    EXPECT_EQ(stores.get("moves"), fallback);
}

} // namespace
