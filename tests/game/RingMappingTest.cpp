#include "game/RingMapping.h"
#include "CellText.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using KessokTest::cellText;
using Tool::Cells;
using Tool::RingMapping;

// Outline cells (k, row) for k below count.
Cells row(const int count, const int y) {
    Cells cells;
    for (int k = 0; k < count; ++k) {
        cells.push_back({k, y});
    }
    return cells;
}

// Outer sides of 4, 4 and 4 cells; inner sides of 2, none and 4 cells. Vertices lie on rows
// 9 (outer) and 8 (inner).
const Cells s_outer = row(12, 0);
const Cells s_outerVertices = {{0, 9}, {4, 9}, {8, 9}};
const std::vector<int> s_outerIndex = {0, 4, 8};
const Cells s_inner = row(6, 1);
const Cells s_innerVertices = {{0, 8}, {2, 8}, {4, 8}};
const std::vector<int> s_innerIndex = {0, 2, 2};

TEST(RingMappingTest, SidesAndOffsetsPairOuterWithInnerCellsWithinTheRings) {
    const RingMapping rings({s_outer, s_outerVertices, s_outerIndex},
                            {s_inner, s_innerVertices, s_innerIndex});
    EXPECT_EQ(rings.pickSide(0.5f), 1);
    EXPECT_EQ(rings.pickSide(1.0f), 2);
    EXPECT_EQ(rings.pickOffset(2, 1.0f), 3);
    EXPECT_EQ(rings.sideOf(3), 0);
    EXPECT_EQ(rings.sideOf(4), 1);
    EXPECT_EQ(rings.sideOf(10), 2);
    // Through whole percents: offset 2 of 3 is 66 % of the way, no further than cell 0 of 1.
    const std::vector<std::pair<int, int>> sideAndOffset = {{0, 2}, {0, 3}, {1, 2}, {2, 3}, {7, 9}};
    Cells outerCells, innerCells;
    for (const auto& [side, offset] : sideAndOffset) {
        outerCells.push_back(rings.outerCell(side, offset));
        innerCells.push_back(rings.innerCell(side, offset));
    }
    EXPECT_EQ(cellText(outerCells), "2,0 3,0 6,0 11,0 11,0");
    EXPECT_EQ(cellText(innerCells), "0,1 1,1 2,8 5,1 5,1");
}

TEST(RingMappingTest, EmptySidesAndRingsStandForTheirVertexCells) {
    // The last outer side recorded nothing.
    const std::vector<int> emptyLast = {0, 4, 12};
    const RingMapping shortOuter({s_outer, s_outerVertices, emptyLast},
                                 {s_inner, s_innerVertices, s_innerIndex});
    EXPECT_EQ(cellText({shortOuter.outerCell(2, 1), shortOuter.innerCell(2, 1)}), "8,9 2,1");
    const Cells none;
    const std::vector<int> noIndex;
    const std::vector<int> emptySides = {0, 0, 0};
    const RingMapping emptyInner({s_outer, s_outerVertices, s_outerIndex},
                                 {none, s_innerVertices, emptySides});
    EXPECT_EQ(cellText({emptyInner.innerCell(1, 3)}), "2,8");
    const RingMapping noInner({s_outer, s_outerVertices, s_outerIndex}, {none, none, noIndex});
    EXPECT_EQ(cellText({noInner.innerCell(1, 3)}), "7,0");
}

} // namespace
