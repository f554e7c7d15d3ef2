#pragma once

#include "game/PlayGrid.h"

#include <string>
#include <vector>

namespace KessokTest {

// Cells as "x,y x,y ...", the form of the expected tables.
inline std::string cellText(const Tool::Cells& cells) {
    std::string text;
    for (const Tool::Cell& cell : cells) {
        text += (text.empty() ? "" : " ") + std::to_string(cell.x) + "," + std::to_string(cell.y);
    }
    return text;
}

// The grid as rows of '#' for a written cell and '.' for an empty one, row 0 first.
inline std::vector<std::string> picture(const Tool::PlayGrid& field) {
    std::vector<std::string> rows(static_cast<std::size_t>(field.gridHeight));
    for (std::size_t k = 0; k < field.grid.size(); ++k) {
        rows[k / static_cast<std::size_t>(field.gridWidth)] += field.grid[k] != 0 ? '#' : '.';
    }
    return rows;
}

} // namespace KessokTest
