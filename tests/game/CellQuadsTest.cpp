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

// Cells a seventh of the screen: 5 x 100/7 is rounded before the half cell is added, where a
// fused multiply-add would put the quad of cell (5, 5) at x 71.428566 to 85.7142868.
TEST(CellQuads, CellPositionsRoundTheProductBeforeTheHalfCellIsAdded) {
    std::vector<unsigned char> grid(7 * 7, 0);
    grid[5 + 7 * 5] = 1;
    Tool::CellQuads quads(7, 7);
    ASSERT_EQ(quads.fill(grid.data(), 100.0f, 100.0f), 1);
    const std::vector<float> corners(quads.data(), quads.data() + 12);
    EXPECT_EQ(corners,
              (std::vector<float>{71.4285736f, 28.5714226f, 0, 71.4285736f, 14.2857094f, 0,
                                  85.7142944f, 14.2857094f, 0, 85.7142944f, 28.5714226f, 0}));
}

} // namespace
