// The one source of PlayTests that counts the heap: it replaces the program's allocation
// functions.
#include "PlayHarness.h"
#include "Support/HeapCounter.h"

#include <gtest/gtest.h>

using KessokTest::PlayHarness;

TEST(PlayHeapTest, UpdatesAllocateNothingOnceEveryEnemyIsOut) {
    PlayHarness play;
    play.start();
    play.press(PlayHarness::RIGHT);
    play.run(150);
    ASSERT_EQ(play.logic->enemiesToCreate, 0);
    const std::size_t before = HeapCounter::s_allocations;
    for (int k = 0; k < 400; ++k) {
        // The beam fired again and again as the player runs round.
        play.press(PlayHarness::FIRE);
        play.update();
        play.release(PlayHarness::FIRE);
        play.update();
    }
    EXPECT_EQ(HeapCounter::s_allocations, before);
}
