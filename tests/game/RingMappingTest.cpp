#include "game/RingMapping.h"
#include "CellText.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using KessokTest::cellText;
using Tool::Cells;
using Tool::RingMapping;

// Outer sides of 4 cells each on row 0; inner sides of 2, 0 and 4 cells on row 1; vertices
// on rows 9 (outer) and 8 (inner).
const Cells s_outer = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0},  {5, 0},
                       {6, 0}, {7, 0}, {8, 0}, {9, 0}, {10, 0}, {11, 0}};
const Cells s_outerVertices = {{0, 9}, {4, 9}, {8, 9}};
const Cells s_inner = {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}};
const Cells s_innerVertices = {{0, 8}, {2, 8}, {4, 8}};
const std::vector<int> s_outerIndex = {0, 4, 8};
const std::vector<int> s_innerIndex = {0, 2, 2};

TEST(RingMappingTest, SidesAndOffsetsPairCellsThroughWholePercentsWithinTheRings) {
    const RingMapping rings({s_outer, s_outerVertices, s_outerIndex},
                            {s_inner, s_innerVertices, s_innerIndex});
    EXPECT_EQ(rings.pickSide(0.5f), 1);
    EXPECT_EQ(rings.pickSide(1.0f), 2);
    EXPECT_EQ(rings.pickOffset(2, 1.0f), 3);
    EXPECT_EQ(std::vector<int>({rings.sideOf(3), rings.sideOf(4), rings.sideOf(10)}),
              std::vector<int>({0, 1, 2}));
    // Side and offset: 0 and 2 (66 % of the way), 0 and 3, 1 and 2 (no inner cells), 2 and 3,
    // 7 and 9 (both past the end).
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
    const Cells none;
    const std::vector<int> emptyLastSide = {0, 4, 12};
    const std::vector<int> emptySides = {0, 0, 0};
    const std::vector<int> noSides;
    const RingMapping emptyLast({s_outer, s_outerVertices, emptyLastSide},
                                {s_inner, s_innerVertices, s_innerIndex});
    const RingMapping emptyInner({s_outer, s_outerVertices, s_outerIndex},
                                 {none, s_innerVertices, emptySides});
    const RingMapping noInner({s_outer, s_outerVertices, s_outerIndex}, {none, none, noSides});
    EXPECT_EQ(cellText({emptyLast.outerCell(2, 1), emptyLast.innerCell(2, 1),
                        emptyInner.innerCell(1, 3), noInner.innerCell(1, 3)}),
              "8,9 2,1 2,8 7,0");
}

} // namespace
