#pragma once

#include <cstdint>

namespace Tool {

// The integer error-term walk from one cell to another along a straight line, one cell per
// step: the order in which lines are drawn and in which enemies crawl. Held in 64 bits so that
// any two int cells can be walked between without overflow.
struct LineWalk {
    LineWalk(std::int64_t fromX, std::int64_t fromY, std::int64_t toX, std::int64_t toY)
        : x(fromX), y(fromY), endX(toX), endY(toY), deltaX(toX > fromX ? toX - fromX : fromX - toX),
          deltaY(toY > fromY ? toY - fromY : fromY - toY), stepX(fromX < toX ? 1 : -1),
          stepY(fromY < toY ? 1 : -1), error(deltaX - deltaY) {}

    bool done() const { return x == endX && y == endY; }

    // Moves one cell on: along x, along y or diagonally. Does nothing useful once done().
    void step() {
        const std::int64_t e2 = 2 * error;
        if (e2 > -deltaY) {
            error -= deltaY;
            x += stepX;
        }
        if (e2 < deltaX) {
            error += deltaX;
            y += stepY;
        }
    }

    std::int64_t x;
    std::int64_t y;
    std::int64_t endX;
    std::int64_t endY;
    std::int64_t deltaX;
    std::int64_t deltaY;
    std::int64_t stepX;
    std::int64_t stepY;
    std::int64_t error;
};

} // namespace Tool
