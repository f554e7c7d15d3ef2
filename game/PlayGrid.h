#pragma once

#include "MathStuff/Vector2.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace Tool {

using Cell = MathStuff::Vector2<int>;
using Cells = std::vector<Cell>;

// The playfield: a grid of byte cells into which everything in play is drawn as lines and
// regular polygons. Collisions are found while drawing: a drawing reports the enemy value it
// overwrote. Cell (x, y) is element y * gridWidth + x; y grows downwards.
class PlayGrid {
public:
    // What the cells hold; every value from FIRST_ENEMY up is an enemy.
    enum CellValue : unsigned char {
        EMPTY = 0,
        BEAM = 52,
        BOARD = 64,
        PLAYER = 65,
        FIRST_ENEMY = 66
    };

    // A regular polygon: its centre and radius are fractions of the grid's width and height,
    // so on a grid that is not square it is stretched; its first vertex lies at rotation
    // degrees, 0 being straight below the centre.
    struct Polygon {
        int numSides = 0;
        float x = 0.0f;
        float y = 0.0f;
        float radius = 0.0f;
        float rotation = 0.0f;
        unsigned char value = EMPTY;
    };

    // The largest grid side the game accepts. The game view draws every lit cell as a quad of
    // its own each frame: software OpenGL draws a board of 1024 x 1024 cells, most of them lit,
    // at some 7 frames a second, slow enough for a short key press to pass unseen.
    static constexpr int MAX_SIDE = 1024;
    // The most sides a polygon is drawn with. An outline that stays on a grid of MAX_SIDE
    // cells a side has fewer cells than this, so more sides could not add a vertex cell.
    static constexpr int MAX_POLYGON_SIDES = 4 * MAX_SIDE;

    // A side below 16 becomes 16. Both grids start empty.
    PlayGrid(int width, int height);

    // Writes value into every cell of the line from (x0, y0) to (x1, y1) that lies on the
    // grid, and appends each written cell but the end cell to lastPoints. Returns the last
    // enemy value overwritten, or 0. A line of one cell, or one whose extension passes beside
    // the grid, draws nothing; a line on a border row or column draws in one direction only.
    unsigned char drawLine(int x0, int y0, int x1, int y1, unsigned char value);
    // Refills the last drawn polygon lists and draws the polygon's sides; returns the first
    // enemy value a side overwrote, or 0. A polygon without sides, or with a vertex that is no
    // cell (not finite, or beyond the int range), draws nothing and leaves the lists empty;
    // one of more than MAX_POLYGON_SIDES sides is drawn with that many.
    unsigned char drawPolygon(const Polygon& polygon);
    // The cell as fractions of the grid's width and height.
    std::pair<float, float> gridToRatioPos(const Cell& cell) const;

    void clear();
    // The working grid is copied to the background, and back.
    void saveBackground();
    void restoreBackground();

    const int gridWidth;
    const int gridHeight;
    // The working grid, which every drawing writes.
    std::vector<unsigned char> grid;
    std::vector<unsigned char> background;

    // The last drawn polygon: its vertex cells, the outline cells drawn since it began (lines
    // drawn on their own append theirs), and for each side the index in lastPoints where its
    // cells begin.
    Cells lastVertices;
    Cells lastPoints;
    std::vector<int> lastVertexIndex;

private:
    bool crossesGrid(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) const;
    bool contains(std::int64_t x, std::int64_t y) const;
    // Writes the cell and returns its old value when that is an enemy, else hit.
    unsigned char paint(std::int64_t x, std::int64_t y, unsigned char value, unsigned char hit);
    // Appends the vertex cell at the angle; false when it is no cell.
    bool addVertex(const Polygon& polygon, float angle);
};

} // namespace Tool
