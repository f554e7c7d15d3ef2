#include "SprSys/AnimFrameStore.h"
#include "SprSys/AnimFrameStoreIterator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using SprSys::AnimFrame;

TEST(AnimFrameStoreTest, MissingNamesGiveOneSharedDefaultFrame) {
    const SprSys::AnimFrameStore store;
    const SprSys::AnimFrameStore other;
    const AnimFrame* const frame = store.get("missing");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(other.get("also missing"), frame);
    EXPECT_EQ(frame->frameIndex, 0u);
    EXPECT_EQ(frame->offsetX, 0);
    EXPECT_EQ(frame->offsetY, 0);
    EXPECT_EQ(frame->orientation, AnimFrame::N);
    EXPECT_EQ(frame->angle, 0);
    EXPECT_EQ(frame->scaleX, 1.0f);
    EXPECT_EQ(frame->scaleY, 1.0f);
}

TEST(AnimFrameStoreTest, NameKeepsItsFirstFrameAndTheDefaultIsNeverStored) {
    SprSys::AnimFrameStore store;
    AnimFrame* const first = store.add("walk", new AnimFrame{3});
    AnimFrame refused{4};
    EXPECT_EQ(store.add("walk", &refused), first);
    EXPECT_EQ(store.get("walk"), first);
    AnimFrame* const dummy = store.get("missing");
    EXPECT_EQ(store.add("dummy", dummy), dummy);
    EXPECT_TRUE(store.getIterator()->currentItem().first == "walk");
    store.clear();
    EXPECT_EQ(store.get("walk"), dummy);
    EXPECT_TRUE(store.getIterator()->isDone());
}

TEST(AnimFrameStoreTest, IteratorWalksNamesInByteOrderThenGivesTheDefault) {
    SprSys::AnimFrameStore store;
    for (const char* const name : {"B", "A", "C", "a"}) {
        store.add(name, new AnimFrame);
    }
    std::vector<std::string> names;
    const auto walk = store.getIterator();
    for (; !walk->isDone(); walk->next()) {
        names.push_back(walk->currentItem().first);
        EXPECT_EQ(walk->currentItem().second, store.get(names.back()));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "C", "a"}));
    walk->next();
    EXPECT_TRUE(walk->isDone());
    EXPECT_EQ(walk->currentItem().first, "");
    EXPECT_EQ(walk->currentItem().second, store.get("missing"));
    walk->first();
    EXPECT_EQ(walk->currentItem().first, "A");
}

} // namespace
