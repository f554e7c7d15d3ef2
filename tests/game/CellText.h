#pragma once

#include "game/PlayGrid.h"

#include <string>
#include <vector>

namespace KessokTest {

// Cells written as "x,y x,y ...", the form the expected tables use.
inline std::string cellText(const Tool::Cells& cells) {
    std::string text;
    for (const Tool::Cell& cell : cells) {
        text += (text.empty() ? "" : " ") + std::to_string(cell.x) + "," + std::to_string(cell.y);
    }
    return text;
}

// The grid as rows of '#' for a non-zero cell and '.' for an empty one, row 0 first.
inline std::vector<std::string> picture(const Tool::PlayGrid& field) {
    std::vector<std::string> rows;
    for (int y = 0; y < field.gridHeight; ++y) {
        std::string row;
        for (int x = 0; x < field.gridWidth; ++x) {
            row += field.grid[static_cast<std::size_t>(y * field.gridWidth + x)] != 0 ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace KessokTest
