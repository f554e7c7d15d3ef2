#include "game/CellQuads.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(CellQuads, NonZeroCellsBecomeScreenSquaresColumnByColumnWithRowZeroAtTheTop) {
    std::vector<unsigned char> grid(16 * 32, 0);
    grid[0] = 52;           // column 0, row 0
    grid[1 + 16 * 2] = 255; // column 1, row 2
    grid[0 + 16 * 1] = 66;  // column 0, row 1: written before column 1
    Tool::CellQuads quads(16, 32);
    ASSERT_EQ(quads.fill(grid.data(), 800.0f, 600.0f), 3);
    const std::vector<float> first(quads.data(), quads.data() + 12);
    EXPECT_EQ(first, (std::vector<float>{0, 600, 0, 0, 581.25f, 0, 50, 581.25f, 0, 50, 600, 0}));
    EXPECT_EQ(quads.data()[12 + 1], 581.25f);
    EXPECT_EQ(quads.data()[24], 50.0f);
    EXPECT_EQ(quads.data()[25], 562.5f);
    const std::vector<unsigned char> empty(16 * 32, 0);
    EXPECT_EQ(quads.fill(empty.data(), 800.0f, 600.0f), 0);
}

} // namespace
