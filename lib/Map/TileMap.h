#pragma once

#include <cstdint>

namespace Map {

// The tiles a liquid flows over, as the liquid reads them: one word per tile, row-major, and
// a mask that marks a tile solid when the word shares a bit with it. The words are not owned.
struct TileMap {
    const std::uint32_t* cells;
    int width;     // tiles per row
    int height;    // rows
    int tileShift; // log2 of a tile's size in map units
    std::uint32_t solidMask;
};

} // namespace Map
