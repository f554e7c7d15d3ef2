#include "SprSys/AnimSequenceStore.h"

#include <gtest/gtest.h>

namespace {

using SprSys::AnimSequence;

// The store's naming rules are the frame store's; these are the sequence store's own.
TEST(AnimSequenceStoreTest, MissesGiveTheSharedDefaultSequenceWhichNeverExists) {
    SprSys::AnimSequenceStore store;
    AnimSequence* const dummy = store.get("missing");
    EXPECT_EQ(SprSys::AnimSequenceStore().get("also missing"), dummy);
    ASSERT_EQ(dummy->size(), 1u);
    const SprSys::AnimSeqEntry& step = dummy->front();
    ASSERT_EQ(step.frames.size(), 1u);
    EXPECT_EQ(step.frames[0]->frameIndex, 0u);
    EXPECT_EQ(step.frames[0]->orientation, SprSys::AnimFrame::N);
    EXPECT_EQ(step.frames[0]->scaleY, 1.0f);
    EXPECT_EQ(step.intParam1, 0);
    EXPECT_EQ(step.floatParam1 + step.floatParam2 + step.floatParam3, 0.0f);
    EXPECT_EQ(step.intParam2, 0);

    EXPECT_EQ(store.add("dummy", dummy), dummy);
    EXPECT_FALSE(store.exists("dummy"));
    store.add("empty", new AnimSequence);
    EXPECT_TRUE(store.exists("empty"));
    store.clear();
    EXPECT_FALSE(store.exists("empty"));
}

} // namespace
