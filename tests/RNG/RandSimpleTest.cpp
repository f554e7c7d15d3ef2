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

// Seed 0 hashes to 1376312589. 230204178 hashes to 2147483647, the largest hash, which gives
// exactly 1 and moves the state on by all ones; 1337742546 hashes to 2147483583, which a
// double quotient would round up to 1. The second values pin the step of the state.
TEST(RandSimpleTest, ValuesAreHashesOverTheLargestHash) {
    const struct {
        unsigned seed;
        std::vector<float> values;
    } rows[] = {{0, {0x1.482374p-1f, 0x1.b6b188p-1f}},
                {230204178u, {1.0f, 0x1.e34bf2p-1f}},
                {1337742546u, {0x1.fffffep-1f, 0x1.3d3d8ap-3f}}};
    for (const auto& row : rows) {
        RNG::RandSimple random(row.seed);
        EXPECT_EQ(draw(random, 2), row.values) << row.seed;
    }
}

TEST(RandSimpleTest, SeedListSeedsFromItsFirstSeedAndWithoutOneKeepsTheState) {
    const unsigned int seeds[] = {7, 8, 9};
    RNG::RandSimple random(99);
    random.initialise(nullptr, 1);
    random.initialise(seeds, 0);
    RNG::RandSimple untouched(99);
    EXPECT_EQ(draw(random, 3), draw(untouched, 3));
    random.initialise(seeds, 3);
    RNG::RandSimple fromSeed(7);
    EXPECT_EQ(draw(random, 3), draw(fromSeed, 3));
}

} // namespace
