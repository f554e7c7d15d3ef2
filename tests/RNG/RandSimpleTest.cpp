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

TEST(RandSimpleTest, FirstValueIsTheHashedSeedAndTheStateMovesOnByTwiceTheHash) {
    // Seed 0 hashes to 1376312589. 230204178 hashes to 2147483647, the largest hash, which
    // gives exactly 1 and moves the state on by all ones. 1337742546 hashes to 2147483583,
    // which double precision would round up to 1.
    const struct {
        unsigned seed;
        float first;
        unsigned nextState;
    } rows[] = {{0, 0x1.482374p-1f, 2752625178u},
                {230204178u, 1.0f, 230204178u + 0xffffffffu},
                {1337742546u, 0x1.fffffep-1f, 1337742546u + 2u * 2147483583u}};
    for (const auto& row : rows) {
        RNG::RandSimple random(row.seed);
        EXPECT_EQ(random.getFloat(), row.first) << row.seed;
        RNG::RandSimple advanced(row.nextState);
        EXPECT_EQ(random.getFloat(), advanced.getFloat()) << row.seed;
    }
}

TEST(RandSimpleTest, SeedListSeedsFromItsFirstSeed) {
    const unsigned int seeds[] = {7, 8, 9};
    RNG::RandSimple fromList(1);
    fromList.initialise(seeds, 3);
    RNG::RandSimple fromSeed(7);
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
