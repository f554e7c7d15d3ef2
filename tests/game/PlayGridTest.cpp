#include "game/PlayGrid.h"
#include "PlayHarness.h"
#include "game/RingMapping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <limits>
#include <vector>

// The expected cells were computed apart from this code: the lines by hand, the polygons by a
// separate script (single-precision angles, sine and cosine in double, ties to even).

namespace {

using KessokTest::cellText;
using Tool::PlayGrid;

TEST(PlayGridTest, LinesWriteTheirCellsOnTheGridAndRecordAllButTheEnd) {
    struct Row {
        int x0, y0, x1, y1;
        const char* recorded;
        bool endWritten;
    };
    const std::vector<Row> rows = {
        {0, 0, 3, 3, "0,0 1,1 2,2", true},
        {1, 1, 5, 3, "1,1 2,1 3,2 4,2", true},
        {3, 5, 2, 1, "3,5 3,4 3,3 2,2", true},
        {7, 7, 7, 7, "", false},
        // A line on a border row draws in one direction only.
        {0, 0, 3, 0, "0,0 1,0 2,0", true},
        {3, 0, 0, 0, "", false},
        {15, 15, 12, 15, "15,15 14,15 13,15", true},
        {12, 15, 15, 15, "", false},
        // Off the grid: only the cells on it.
        {14, 14, 18, 18, "14,14 15,15", false},
        {-2, 3, 2, 3, "0,3 1,3", true},
        {20, 0, 20, 10, "", false},
        // Products beyond 32 bits in the corner test.
        {5, 5, INT_MAX, INT_MIN, "5,5 6,4 7,3 8,2 9,1 10,0", false},
        {8, 8, INT_MIN, 8, "8,8 7,8 6,8 5,8 4,8 3,8 2,8 1,8 0,8", false},
    };
    for (const Row& row : rows) {
        PlayGrid field(16, 16);
        field.lastPoints.push_back({-1, -1});
        EXPECT_EQ(field.drawLine(row.x0, row.y0, row.x1, row.y1, PlayGrid::BOARD), 0);
        EXPECT_EQ(cellText(field.lastPoints),
                  cellText({{-1, -1}}) + (*row.recorded ? " " : "") + row.recorded)
            << row.x0 << "," << row.y0 << " to " << row.x1 << "," << row.y1;
        const long written = std::count(field.grid.begin(), field.grid.end(), PlayGrid::BOARD);
        EXPECT_EQ(written, static_cast<long>(field.lastPoints.size()) - (row.endWritten ? 0 : 1));
    }
}

// What drawing the polygon leaves: "vertex cells | where each side begins | outline cells".
std::string outline(const int width, const int height, const PlayGrid::Polygon& polygon) {
    PlayGrid field(width, height);
    field.drawPolygon(polygon);
    std::string starts;
    for (const int start : field.lastVertexIndex) {
        starts += " " + std::to_string(start);
    }
    return cellText(field.lastVertices) + " |" + starts + " | " + cellText(field.lastPoints);
}

TEST(PlayGridTest, PolygonsMatchIndependentlyComputedOutlines) {
    EXPECT_EQ(
        outline(20, 16, {6, 0.5f, 0.5f, 0.4f, 30.0f, 64}),
        "14,14 18,8 14,2 6,2 2,8 6,14 | 0 6 12 20 26 32 | 14,14 15,13 15,12 16,11 17,10 "
        "17,9 18,8 17,7 17,6 16,5 15,4 15,3 14,2 13,2 12,2 11,2 10,2 9,2 8,2 7,2 6,2 5,3 5,4 "
        "4,5 3,6 3,7 2,8 3,9 3,10 4,11 5,12 5,13 6,14 7,14 8,14 9,14 10,14 11,14 12,14 13,14");
    // The second side passes beside the grid and records nothing.
    EXPECT_EQ(outline(16, 16, {3, 0.9f, 0.1f, 0.5f, 0.0f, 64}),
              "14,10 21,-2 7,-2 | 0 3 3 | 14,10 15,9 15,8 8,0 9,1 9,2 10,3 10,4 11,5 12,6 12,7 "
              "13,8 13,9");
    // 8.5 and 9.5 round to the even cell.
    EXPECT_EQ(outline(16, 16, {3, 0.53125f, 0.59375f, 0.0f, 0.0f, 64}),
              "8,10 8,10 8,10 | 0 0 0 | ");
    // A polygon is drawn with at most 4096 sides.
    EXPECT_TRUE(outline(16, 16, {4097, 0.5f, 0.5f, 0.4f, 0.0f, 64}) ==
                outline(16, 16, {4096, 0.5f, 0.5f, 0.4f, 0.0f, 64}));
    // The first side to overwrite an enemy gives the hit: the first side crosses an enemy of 80
    // at 16,11, and every later side starts on a vertex the polygon has just drawn with its own 70.
    PlayGrid field(20, 16);
    field.grid[11 * 20 + 16] = 80;
    EXPECT_EQ(field.drawPolygon({6, 0.5f, 0.5f, 0.4f, 30.0f, 70}), 80);
}

TEST(PlayGridTest, PolygonsWithoutSidesOrCellsDrawNothing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    // On a grid 32 wide and 16 high: 1e8 has its second vertex out of the int range, 2^27 its
    // vertices exactly at 2^31.
    const float sizes[][2] = {{0, 0.25f},    {-3, 0.25f}, {4, nan},
                              {4, infinity}, {4, 1e8f},   {1, 134217728.0f}};
    for (const auto& [sides, radius] : sizes) {
        PlayGrid field(32, 16);
        field.drawPolygon({4, 0.5f, 0.5f, 0.25f, 0.0f, 0});
        EXPECT_EQ(field.drawPolygon({static_cast<int>(sides), 0.5f, 0.5f, radius, 0.0f, 64}), 0);
        EXPECT_EQ(
            field.lastVertices.size() + field.lastPoints.size() + field.lastVertexIndex.size(), 0u);
        EXPECT_EQ(std::count(field.grid.begin(), field.grid.end(), 0), 512);
    }
}

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
    EXPECT_EQ(std::vector<int>({rings.pickOffset(2, 0.7f), rings.pickOffset(2, 1.0f)}),
              std::vector<int>({2, 3}));
    EXPECT_EQ(std::vector<int>({rings.sideOf(3), rings.sideOf(4), rings.sideOf(10)}),
              std::vector<int>({0, 1, 2}));
    // Side and offset: 0 and 0, 0 and 2 (66 % of the way), 0 and 3, 1 and 2 (no inner cells),
    // 2 and 1 (33 % of 3 inner steps is none), 2 and 2 (66 % is one), 2 and 3, 7 and 9 (both
    // past the end).
    const std::vector<std::pair<int, int>> sideAndOffset = {{0, 0}, {0, 2}, {0, 3}, {1, 2},
                                                            {2, 1}, {2, 2}, {2, 3}, {7, 9}};
    Cells outerCells, innerCells;
    for (const auto& [side, offset] : sideAndOffset) {
        outerCells.push_back(rings.outerCell(side, offset));
        innerCells.push_back(rings.innerCell(side, offset));
    }
    EXPECT_EQ(cellText(outerCells), "0,0 2,0 3,0 6,0 9,0 10,0 11,0 11,0");
    EXPECT_EQ(cellText(innerCells), "0,1 0,1 1,1 2,8 2,1 3,1 5,1 5,1");
    // A side without cells, or a ring without any, stands for its vertex cell; a side of one
    // cell for that cell; an inner ring without sides gives the outer cell of the same side. The
    // odd rings' outer sides have 9, 1 and 2 cells, their inner 1, 2, 3.
    const Cells none;
    const std::vector<int> emptyLastSide = {0, 4, 12};
    const std::vector<int> emptySides = {0, 0, 0};
    const std::vector<int> noSides;
    const std::vector<int> oddOuter = {0, 9, 10};
    const std::vector<int> oddInner = {0, 1, 3};
    const RingMapping emptyLast({s_outer, s_outerVertices, emptyLastSide},
                                {s_inner, s_innerVertices, s_innerIndex});
    const RingMapping emptyInner({s_outer, s_outerVertices, s_outerIndex},
                                 {none, s_innerVertices, emptySides});
    const RingMapping noInner({s_outer, s_outerVertices, s_outerIndex}, {none, none, noSides});
    const RingMapping odd({s_outer, s_outerVertices, oddOuter},
                          {s_inner, s_innerVertices, oddInner});
    EXPECT_EQ(
        cellText({emptyLast.outerCell(2, 1), emptyLast.innerCell(2, 1), emptyInner.innerCell(1, 3),
                  noInner.innerCell(0, 3), noInner.innerCell(2, 1), odd.outerCell(1, 5),
                  odd.innerCell(0, 4), odd.innerCell(1, 0), odd.innerCell(2, 1)}),
        "8,9 2,1 2,8 3,0 9,0 9,0 0,1 1,1 5,1");
}

} // namespace
