#include "game/PlayGrid.h"

#include "game/LineWalk.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace Tool {
namespace {

constexpr int MIN_SIDE = 16;
constexpr double DEGREES_TO_RADIANS = 0.017453292519943295;
constexpr double FULL_TURN = 6.283185307179586;
// Floats below 2^31 in magnitude round to an int; 2^31 itself does not.
constexpr float INT_LIMIT = 2147483648.0f;

std::size_t cellCount(const int width, const int height) {
    return static_cast<std::size_t>(std::max(width, MIN_SIDE)) *
           static_cast<std::size_t>(std::max(height, MIN_SIDE));
}

// The fraction of a grid side as a cell index, ties to even; false when it is no int.
bool toCell(const int side, const float fraction, int& cell) {
    const float scaled = std::nearbyint(static_cast<float>(side) * fraction);
    if (!(scaled >= -INT_LIMIT && scaled < INT_LIMIT)) {
        return false;
    }
    cell = static_cast<int>(scaled);
    return true;
}

} // namespace

PlayGrid::PlayGrid(const int width, const int height)
    : gridWidth(std::max(width, MIN_SIDE)), gridHeight(std::max(height, MIN_SIDE)),
      grid(cellCount(width, height)), background(cellCount(width, height)) {}

void PlayGrid::clear() {
    std::fill(grid.begin(), grid.end(), EMPTY);
}

void PlayGrid::saveBackground() {
    background = grid;
}

void PlayGrid::restoreBackground() {
    grid = background;
}

unsigned char PlayGrid::drawLine(const int x0, const int y0, const int x1, const int y1,
                                 const unsigned char value) {
    if (!crossesGrid(x0, y0, x1, y1)) {
        return 0;
    }
    unsigned char hit = 0;
    bool entered = false;
    for (LineWalk walk(x0, y0, x1, y1); !walk.done(); walk.step()) {
        if (contains(walk.x, walk.y)) {
            entered = true;
            hit = paint(walk.x, walk.y, value, hit);
            lastPoints.push_back({static_cast<int>(walk.x), static_cast<int>(walk.y)});
        } else if (entered) {
            // x and y only ever move one way, so a walk that has left the grid never comes
            // back: the rest of the line, its end cell included, is off the grid.
            return hit;
        }
    }
    return contains(x1, y1) ? paint(x1, y1, value, hit) : hit;
}

unsigned char PlayGrid::drawPolygon(const Polygon& polygon) {
    lastVertices.clear();
    lastPoints.clear();
    lastVertexIndex.clear();
    if (polygon.numSides <= 0) {
        return 0;
    }
    const int sides = std::min(polygon.numSides, MAX_POLYGON_SIDES);
    // The angles accumulate in single precision; the closing vertex is computed from the
    // advanced angle, not copied from the first.
    const float step = static_cast<float>(FULL_TURN / sides);
    float angle = static_cast<float>(static_cast<double>(polygon.rotation) * DEGREES_TO_RADIANS);
    for (int k = 0; k <= sides; ++k, angle += step) {
        if (!addVertex(polygon, angle)) {
            lastVertices.clear();
            return 0;
        }
    }
    unsigned char hit = 0;
    for (std::size_t k = 0; k + 1 < lastVertices.size(); ++k) {
        lastVertexIndex.push_back(static_cast<int>(lastPoints.size()));
        const Cell from = lastVertices[k];
        const Cell to = lastVertices[k + 1];
        const unsigned char sideHit = drawLine(from.x, from.y, to.x, to.y, polygon.value);
        hit = hit != 0 ? hit : sideHit;
    }
    lastVertices.pop_back();
    return hit;
}

std::pair<float, float> PlayGrid::gridToRatioPos(const Cell& cell) const {
    return {static_cast<float>(cell.x) / static_cast<float>(gridWidth),
            static_cast<float>(cell.y) / static_cast<float>(gridHeight)};
}

bool PlayGrid::addVertex(const Polygon& polygon, const float angle) {
    // Sine and cosine in double, every product and sum rounded to single precision.
    const double radius = polygon.radius;
    const float x = polygon.x + static_cast<float>(radius * std::sin(static_cast<double>(angle)));
    const float y = polygon.y + static_cast<float>(radius * std::cos(static_cast<double>(angle)));
    Cell cell{};
    if (!toCell(gridWidth, x, cell.x) || !toCell(gridHeight, y, cell.y)) {
        return false;
    }
    lastVertices.push_back(cell);
    return true;
}

// The line's implicit equation at the four corners of the grid: when it has the same sign
// at all four (0 counting as positive) the whole line passes beside the grid.
bool PlayGrid::crossesGrid(const std::int64_t x0, const std::int64_t y0, const std::int64_t x1,
                           const std::int64_t y1) const {
    const std::int64_t c = y0 * x1 - x0 * y1;
    const std::int64_t a = (x0 - x1) * (gridHeight - 1);
    const std::int64_t b = (gridWidth - 1) * (y1 - y0);
    const int count = (c >= 0) + (c + a >= 0) + (c + b >= 0) + (c + a + b >= 0);
    return count != 0 && count != 4;
}

bool PlayGrid::contains(const std::int64_t x, const std::int64_t y) const {
    return x >= 0 && x < gridWidth && y >= 0 && y < gridHeight;
}

unsigned char PlayGrid::paint(const std::int64_t x, const std::int64_t y, const unsigned char value,
                              const unsigned char hit) {
    unsigned char& cell = grid[static_cast<std::size_t>(y * gridWidth + x)];
    const unsigned char previous = cell;
    cell = value;
    return previous >= FIRST_ENEMY ? previous : hit;
}

} // namespace Tool
