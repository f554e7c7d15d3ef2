#include "game/PlayGrid.h"
#include "CellText.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

// The expected cells below were computed apart from this code: by hand for the lines and by a
// separate script for the polygons (single-precision angles, sine and cosine in double).

namespace {

using KessokTest::cellText;
using KessokTest::picture;
using Tool::PlayGrid;

unsigned char& at(PlayGrid& field, const int x, const int y) {
    return field.grid[static_cast<std::size_t>(y * field.gridWidth + x)];
}

int countWritten(const PlayGrid& field) {
    int count = 0;
    for (const unsigned char cell : field.grid) {
        count += cell != 0 ? 1 : 0;
    }
    return count;
}

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
        {9, 2, 4, 12, "9,2 9,3 8,4 8,5 7,6 7,7 6,8 6,9 5,10 5,11", true},
        {7, 7, 7, 7, "", false},
        // Border rows and columns draw in one direction only.
        {0, 0, 3, 0, "0,0 1,0 2,0", true},
        {3, 0, 0, 0, "", false},
        {15, 15, 12, 15, "15,15 14,15 13,15", true},
        {12, 15, 15, 15, "", false},
        {0, 3, 0, 0, "0,3 0,2 0,1", true},
        {0, 0, 0, 3, "", false},
        {15, 0, 15, 3, "15,0 15,1 15,2", true},
        {15, 3, 15, 0, "", false},
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
        field.lastPoints.push_back({-7, -7});
        EXPECT_EQ(field.drawLine(row.x0, row.y0, row.x1, row.y1, PlayGrid::BOARD), 0);
        const std::string line = std::to_string(row.x0) + "," + std::to_string(row.y0) + " to " +
                                 std::to_string(row.x1) + "," + std::to_string(row.y1);
        EXPECT_EQ(cellText(field.lastPoints),
                  "-7,-7" + std::string(*row.recorded ? " " : "") + row.recorded)
            << line;
        const int recorded = static_cast<int>(field.lastPoints.size()) - 1;
        EXPECT_EQ(countWritten(field), recorded + (row.endWritten ? 1 : 0)) << line;
        if (row.endWritten) {
            EXPECT_EQ(at(field, row.x1, row.y1), PlayGrid::BOARD) << line;
        }
    }
}

TEST(PlayGridTest, LinesReportTheLastEnemyCellTheyOverwriteTheEndIncluded) {
    struct Row {
        std::vector<unsigned char> before; // cells (0,0) to (4,4) before the line
        unsigned char hit;
    };
    const std::vector<Row> rows = {
        {{0, 70, 65, 67, 0}, 67},  {{0, 70, 0, 0, 90}, 90}, {{255, 0, 0, 0, 0}, 255},
        {{66, 52, 64, 65, 0}, 66}, {{0, 52, 64, 65, 0}, 0},
    };
    for (const Row& row : rows) {
        PlayGrid field(16, 16);
        for (int k = 0; k < 5; ++k) {
            at(field, k, k) = row.before[static_cast<std::size_t>(k)];
        }
        EXPECT_EQ(field.drawLine(0, 0, 4, 4, PlayGrid::PLAYER), row.hit);
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(at(field, k, k), PlayGrid::PLAYER);
        }
    }
}

TEST(PlayGridTest, PolygonsMatchIndependentlyComputedOutlines) {
    struct Row {
        int width, height;
        PlayGrid::Polygon polygon;
        const char* vertices;
        std::vector<int> vertexIndex;
        const char* points;
    };
    const std::vector<Row> rows = {
        {16,
         16,
         {4, 0.5f, 0.5f, 0.25f, 0.0f, 64},
         "8,12 12,8 8,4 4,8",
         {0, 4, 8, 12},
         "8,12 9,11 10,10 11,9 12,8 11,7 10,6 9,5 8,4 7,5 6,6 5,7 4,8 5,9 6,10 7,11"},
        {20,
         16,
         {6, 0.5f, 0.5f, 0.4f, 30.0f, 64},
         "14,14 18,8 14,2 6,2 2,8 6,14",
         {0, 6, 12, 20, 26, 32},
         "14,14 15,13 15,12 16,11 17,10 17,9 18,8 17,7 17,6 16,5 15,4 15,3 14,2 13,2 12,2 11,2 "
         "10,2 9,2 8,2 7,2 6,2 5,3 5,4 4,5 3,6 3,7 2,8 3,9 3,10 4,11 5,12 5,13 6,14 7,14 8,14 "
         "9,14 10,14 11,14 12,14 13,14"},
        {16,
         16,
         {5, 0.3f, 0.6f, 0.35f, -17.5f, 64},
         "3,15 9,13 9,6 3,4 -1,10",
         {0, 6, 13, 19, 25},
         "3,15 4,15 5,14 6,14 7,14 8,13 9,13 9,12 9,11 9,10 9,9 9,8 9,7 9,6 8,6 7,5 6,5 5,5 4,4 "
         "3,4 2,5 2,6 1,7 0,8 0,9 0,11 1,12 1,13 2,14"},
        // The second side passes beside the grid and records nothing.
        {16,
         16,
         {3, 0.9f, 0.1f, 0.5f, 0.0f, 64},
         "14,10 21,-2 7,-2",
         {0, 3, 3},
         "14,10 15,9 15,8 8,0 9,1 9,2 10,3 10,4 11,5 12,6 12,7 13,8 13,9"},
        // 8.5 and 9.5 round to the even cell.
        {16, 16, {3, 0.53125f, 0.59375f, 0.0f, 0.0f, 64}, "8,10 8,10 8,10", {0, 0, 0}, ""},
    };
    for (const Row& row : rows) {
        PlayGrid field(row.width, row.height);
        EXPECT_EQ(field.drawPolygon(row.polygon), 0);
        EXPECT_EQ(cellText(field.lastVertices), row.vertices);
        EXPECT_EQ(field.lastVertexIndex, row.vertexIndex);
        EXPECT_EQ(cellText(field.lastPoints), row.points);
    }
}

TEST(PlayGridTest, AClippedPolygonWritesExactlyItsCellsOnTheGrid) {
    PlayGrid field(16, 16);
    field.drawPolygon({5, 0.3f, 0.6f, 0.35f, -17.5f, 64});
    const std::vector<std::string> expected = {
        "................", "................", "................", "................",
        "...##...........", "..#..###........", "..#.....##......", ".#.......#......",
        "#........#......", "#........#......", ".........#......", "#........#......",
        ".#.......#......", ".#......##......", "..#..###........", "...##...........",
    };
    EXPECT_EQ(picture(field), expected);
}

TEST(PlayGridTest, PolygonsOverEnemiesReportTheFirstSideThatHit) {
    PlayGrid field(16, 16);
    at(field, 10, 6) = 70;
    at(field, 5, 9) = 80;
    EXPECT_EQ(field.drawPolygon({4, 0.5f, 0.5f, 0.25f, 0.0f, PlayGrid::PLAYER}), 70);
    // Drawn with an enemy value, a polygon hits itself from its second side on.
    PlayGrid empty(16, 16);
    EXPECT_EQ(empty.drawPolygon({4, 0.5f, 0.5f, 0.25f, 0.0f, 77}), 77);
}

TEST(PlayGridTest, PolygonsWithoutSidesOrCellsDrawNothing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    const std::vector<PlayGrid::Polygon> polygons = {
        {0, 0.5f, 0.5f, 0.25f, 0.0f, 64}, {-3, 0.5f, 0.5f, 0.25f, 0.0f, 64},
        {4, 0.5f, 0.5f, nan, 0.0f, 64},   {4, 0.5f, 0.5f, infinity, 0.0f, 64},
        {4, 0.5f, 0.5f, 2e8f, 0.0f, 64},  {4, nan, 0.5f, 0.25f, 0.0f, 64},
    };
    for (const PlayGrid::Polygon& polygon : polygons) {
        PlayGrid field(16, 16);
        field.drawPolygon({4, 0.5f, 0.5f, 0.25f, 0.0f, 64});
        field.clear();
        EXPECT_EQ(field.drawPolygon(polygon), 0);
        EXPECT_TRUE(field.lastVertices.empty() && field.lastPoints.empty() &&
                    field.lastVertexIndex.empty());
        EXPECT_EQ(countWritten(field), 0);
    }
}

TEST(PlayGridTest, SidesBelowSixteenBecomeSixteen) {
    const PlayGrid field(15, -4);
    EXPECT_EQ(field.gridWidth, 16);
    EXPECT_EQ(field.gridHeight, 16);
    EXPECT_EQ(field.grid.size(), 256u);
    EXPECT_EQ(PlayGrid(17, 0).grid.size(), 17u * 16u);
}

} // namespace
