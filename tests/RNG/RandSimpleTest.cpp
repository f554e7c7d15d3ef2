#include "RNG/RandSimple.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<float> draw(RNG::I_Random& random, const int count) {
    std::vector<float> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(random.getFloat());
    }
    return values;
}

TEST(RandSimpleTest, SeedZeroStartsWithTheHashOfZero) {
    RNG::RandSimple random(0);
    // 1376312589 / 2147483647; the state then moves on to 2752625178.
    EXPECT_EQ(random.getFloat(), 0x1.482374p-1f);
    RNG::RandSimple advanced(2752625178u);
    EXPECT_EQ(random.getFloat(), advanced.getFloat());
}

TEST(RandSimpleTest, KnownSeedGivesItsKnownSequence) {
    RNG::RandSimple random(12345);
    EXPECT_EQ(draw(random, 5), (std::vector<float>{0x1.e4949cp-1f, 0x1.5c61e4p-2f, 0x1.bca792p-1f,
                                                   0x1.257a6cp-3f, 0x1.dbdc12p-1f}));
}

TEST(RandSimpleTest, LargestHashGivesExactlyOneAndAdvancesByAllOnes) {
    // This seed hashes to 2147483647.
    RNG::RandSimple random(230204178);
    EXPECT_EQ(random.getFloat(), 1.0f);
    RNG::RandSimple advanced(230204178u + 0xffffffffu);
    EXPECT_EQ(random.getFloat(), advanced.getFloat());
}

TEST(RandSimpleTest, HashJustBelowTheLargestStaysBelowOne) {
    // This seed hashes to 2147483583, which double precision would round up to 1.
    RNG::RandSimple random(1337742546);
    EXPECT_EQ(random.getFloat(), 0x1.fffffep-1f);
    EXPECT_EQ(random.getFloat(), 0x1.3d3d8ap-3f);
}

TEST(RandSimpleTest, SeedListSeedsFromItsFirstSeed) {
    const unsigned int seeds[] = {7, 8, 9};
    RNG::RandSimple fromList(1);
    fromList.initialise(seeds, 3);
    RNG::RandSimple fromSeed(1);
    fromSeed.initialise(7u);
    EXPECT_EQ(draw(fromList, 4), draw(fromSeed, 4));
}

TEST(RandSimpleTest, SeedListWithoutSeedsKeepsTheState) {
    const unsigned int seeds[] = {7};
    RNG::RandSimple random(99);
    random.initialise(nullptr, 1);
    random.initialise(seeds, 0);
    random.initialise(seeds, -1);
    RNG::RandSimple untouched(99);
    EXPECT_EQ(draw(random, 4), draw(untouched, 4));
}

} // namespace
