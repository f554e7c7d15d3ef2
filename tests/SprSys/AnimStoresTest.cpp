#include "SprSys/AnimFrameStore.h"
#include "SprSys/AnimSeqMapStore.h"
#include "SprSys/AnimSeqMapStoreIterator.h"
#include "SprSys/AnimSeqMappingStores.h"
#include "SprSys/AnimSequenceStore.h"

#include <gtest/gtest.h>

namespace {

using SprSys::AnimSequence;

// The frame store stands for the three named stores of the sprite system, which share one
// base: a miss gives the one default object of their kind, as does a walk once done.
TEST(AnimFrameStoreTest, MissesAndFinishedWalksGiveOneSharedDefault) {
    SprSys::AnimFrameStore store;
    SprSys::AnimFrame* const dummy = store.get("missing");
    EXPECT_EQ(SprSys::AnimFrameStore().get("also missing"), dummy);
    EXPECT_EQ(dummy->frameIndex + dummy->orientation, 0u);
    EXPECT_EQ(dummy->offsetX + dummy->offsetY + dummy->angle, 0);
    EXPECT_EQ(dummy->scaleX * dummy->scaleY, 1.0f);
    SprSys::AnimFrame* const a = store.add("A", new SprSys::AnimFrame);
    const auto walk = store.getIterator();
    EXPECT_EQ(walk->currentItem(), std::make_pair(std::string("A"), a));
    walk->next();
    EXPECT_EQ(walk->currentItem(), std::make_pair(std::string(), dummy));
}

TEST(AnimSeqMapStoreTest, AKeyWithoutAMappingOfItsOwnFallsBackToMinusOne) {
    SprSys::AnimSequenceStore sequences;
    AnimSequence* const walk = sequences.add("walk", new AnimSequence);
    AnimSequence* const a = sequences.add("a", new AnimSequence);
    AnimSequence* const b = sequences.add("b", new AnimSequence);
    SprSys::AnimSeqMapStore store{&sequences};
    store.add(walk, 2, b);
    EXPECT_EQ(store.get(walk, 7), nullptr);
    store.add("walk", -1, a);
    EXPECT_EQ(store.get(walk, 7), a);
    store.add(walk, 2, nullptr);
    EXPECT_EQ(store.get(walk, 2), a);
    // Names the sequence store does not hold all stand for its default sequence: one step
    // showing a default frame, its numbers 0.
    AnimSequence* const fallbackSequence = sequences.get("missing");
    EXPECT_EQ(SprSys::AnimSequenceStore().get("other"), fallbackSequence);
    EXPECT_EQ(fallbackSequence->at(0).frames.at(0)->frameIndex + fallbackSequence->size(), 1u);
    EXPECT_EQ(fallbackSequence->at(0).intParam1 + fallbackSequence->at(0).intParam2, 0);
    store.add("nowhere", 1, b);
    EXPECT_EQ(store.get("elsewhere", 1), b);
    store.clear();
    EXPECT_EQ(store.get(walk, 7), nullptr);
    // The collection's default map store has no sequence store: by name it adds nothing.
    SprSys::AnimSeqMapStore* const fallback = SprSys::AnimSeqMappingStores().get("missing");
    EXPECT_EQ(SprSys::AnimSeqMappingStores().get("other"), fallback);
    fallback->add("walk", -1, a);
    EXPECT_EQ(fallback->get(walk, -1), nullptr);
    EXPECT_EQ(fallback->get("walk", -1), nullptr);
    EXPECT_EQ(fallback->getIterator()->currentItem(),
              SprSys::AnimSeqMapStoreIterator::Item({nullptr, 0}, nullptr));
}

} // namespace
