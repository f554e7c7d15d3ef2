#include "SprSys/AnimSequenceStore.h"
#include "SprSys/AnimSequenceStoreIterator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using SprSys::AnimSequence;

TEST(AnimSequenceStoreTest, MissingNamesGiveOneSharedDefaultSequence) {
    const SprSys::AnimSequenceStore store;
    const SprSys::AnimSequenceStore other;
    const AnimSequence* const sequence = store.get("missing");
    EXPECT_FALSE(store.exists("missing"));
    EXPECT_EQ(other.get("also missing"), sequence);
    ASSERT_EQ(sequence->size(), 1u);
    const SprSys::AnimSeqEntry& step = sequence->front();
    ASSERT_EQ(step.frames.size(), 1u);
    EXPECT_EQ(step.frames[0]->frameIndex, 0u);
    EXPECT_EQ(step.frames[0]->orientation, SprSys::AnimFrame::N);
    EXPECT_EQ(step.frames[0]->scaleX, 1.0f);
    EXPECT_EQ(step.intParam1, 0);
    EXPECT_EQ(step.floatParam1 + step.floatParam2 + step.floatParam3, 0.0f);
    EXPECT_EQ(step.intParam2, 0);
}

TEST(AnimSequenceStoreTest, NameKeepsItsFirstSequenceAndTheDefaultIsNeverStored) {
    SprSys::AnimSequenceStore store;
    AnimSequence* const first = store.add("run", new AnimSequence);
    AnimSequence refused(2);
    EXPECT_EQ(store.add("run", &refused), first);
    EXPECT_EQ(store.get("run"), first);
    EXPECT_TRUE(store.exists("run"));
    AnimSequence* const dummy = store.get("missing");
    EXPECT_EQ(store.add("dummy", dummy), dummy);
    EXPECT_FALSE(store.exists("dummy"));
    store.add("jump", new AnimSequence(3));
    std::vector<std::string> names;
    const auto walk = store.getIterator();
    for (; !walk->isDone(); walk->next()) {
        names.push_back(walk->currentItem().first);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"jump", "run"}));
    EXPECT_EQ(walk->currentItem().second, dummy);
    store.clear();
    EXPECT_FALSE(store.exists("run"));
    EXPECT_EQ(store.get("run"), dummy);
    EXPECT_TRUE(store.getIterator()->isDone());
}

} // namespace
