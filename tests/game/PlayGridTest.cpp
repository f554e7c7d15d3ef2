#include "game/PlayGrid.h"
#include "CellText.h"

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

unsigned char& at(PlayGrid& field, const int x, const int y) {
    return field.grid[static_cast<std::size_t>(y * field.gridWidth + x)];
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

TEST(PlayGridTest, DrawingsReportTheEnemyValueTheyOverwrite) {
    // Cells (0,0) to (4,4) before a player line over them: the last enemy counts, end included.
    const std::vector<std::pair<std::vector<unsigned char>, unsigned char>> lines = {
        {{0, 70, 65, 67, 0}, 67}, {{0, 70, 0, 0, 90}, 90}, {{0, 52, 64, 65, 0}, 0}};
    for (const auto& [before, hit] : lines) {
        PlayGrid field(16, 16);
        for (int k = 0; k < 5; ++k) {
            at(field, k, k) = before[static_cast<std::size_t>(k)];
        }
        EXPECT_EQ(field.drawLine(0, 0, 4, 4, PlayGrid::PLAYER), hit);
        EXPECT_EQ(at(field, 4, 4), PlayGrid::PLAYER);
    }
    // A polygon reports its first side that hit; drawn with an enemy value it hits itself.
    PlayGrid field(16, 16);
    at(field, 10, 6) = 70;
    at(field, 5, 9) = 80;
    EXPECT_EQ(field.drawPolygon({4, 0.5f, 0.5f, 0.25f, 0.0f, PlayGrid::PLAYER}), 70);
    EXPECT_EQ(PlayGrid(16, 16).drawPolygon({4, 0.5f, 0.5f, 0.25f, 0.0f, 77}), 77);
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
    EXPECT_EQ(
        outline(16, 16, {5, 0.3f, 0.6f, 0.35f, -17.5f, 64}),
        "3,15 9,13 9,6 3,4 -1,10 | 0 6 13 19 25 | 3,15 4,15 5,14 6,14 7,14 8,13 9,13 9,12 "
        "9,11 9,10 9,9 9,8 9,7 9,6 8,6 7,5 6,5 5,5 4,4 3,4 2,5 2,6 1,7 0,8 0,9 0,11 1,12 1,13 "
        "2,14");
    // The second side passes beside the grid and records nothing.
    EXPECT_EQ(outline(16, 16, {3, 0.9f, 0.1f, 0.5f, 0.0f, 64}),
              "14,10 21,-2 7,-2 | 0 3 3 | 14,10 15,9 15,8 8,0 9,1 9,2 10,3 10,4 11,5 12,6 12,7 "
              "13,8 13,9");
    // 8.5 and 9.5 round to the even cell.
    EXPECT_EQ(outline(16, 16, {3, 0.53125f, 0.59375f, 0.0f, 0.0f, 64}),
              "8,10 8,10 8,10 | 0 0 0 | ");
}

TEST(PlayGridTest, PolygonsWithoutSidesOrCellsDrawNothing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    const float sizes[][2] = {{0, 0.25f}, {-3, 0.25f}, {4, nan}, {4, infinity}, {4, 2e8f}};
    for (const auto& [sides, radius] : sizes) {
        PlayGrid field(16, 16);
        field.drawPolygon({4, 0.5f, 0.5f, 0.25f, 0.0f, 0});
        EXPECT_EQ(field.drawPolygon({static_cast<int>(sides), 0.5f, 0.5f, radius, 0.0f, 64}), 0);
        EXPECT_EQ(
            field.lastVertices.size() + field.lastPoints.size() + field.lastVertexIndex.size(), 0u);
        EXPECT_EQ(std::count(field.grid.begin(), field.grid.end(), 0), 256);
    }
}

} // namespace
