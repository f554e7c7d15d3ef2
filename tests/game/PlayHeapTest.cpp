// The only source of PlayTests that counts the heap: it replaces the allocation functions of
// the whole program.
#include "PlayHarness.h"
#include "Support/HeapCounter.h"

#include <gtest/gtest.h>

namespace {

using KessokTest::PlayHarness;

TEST(PlayHeapTest, UpdatesAllocateNothingOnceEveryEnemyIsOut) {
    PlayHarness play;
    play.logic->onEnter("", "");
    play.start();
    play.run(100);
    ASSERT_EQ(play.logic->enemiesToCreate, 0);
    // Warmed up: the player has walked the ring and the beam has been fired once.
    play.press(PlayHarness::RIGHT);
    play.press(PlayHarness::FIRE);
    play.run(150);
    const std::size_t before = HeapCounter::s_allocations;
    for (int k = 0; k < 400; ++k) {
        play.update();
        if (k % 20 == 0) {
            play.release(PlayHarness::FIRE);
            play.press(PlayHarness::FIRE);
        }
    }
    EXPECT_EQ(HeapCounter::s_allocations, before);
}

} // namespace
