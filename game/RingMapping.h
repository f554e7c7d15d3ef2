#pragma once

#include "game/PlayGrid.h"

#include <vector>

namespace Tool {

// Pairs the cells of the board's outer ring with those of its inner ring, side by side: an
// enemy walks from the inner cell to the outer cell of a pair, and the beam runs from the
// player's outer cell to its inner cell. A side of a ring is the run of its outline cells
// that the side's edge recorded. Every side and offset asked for is clamped into the rings,
// and a side that recorded no cells stands for its vertex cell.
class RingMapping {
public:
    // The lists a drawn polygon left (PlayGrid's last drawn polygon lists).
    struct Ring {
        const Cells& points;
        const Cells& vertices;
        const std::vector<int>& vertexIndex;
    };

    // The outer ring must have a side; the inner ring should have as many.
    RingMapping(const Ring& outer, const Ring& inner) : m_outer(outer), m_inner(inner) {}

    // The outer side that a random number in [0, 1] picks, evenly; 1 picks the last side.
    int pickSide(float number) const;
    // The offset into the outer side that a random number in [0, 1] picks, evenly.
    int pickOffset(int side, float number) const;
    // The outer side whose cells hold the entry position of the outer outline.
    int sideOf(int position) const;
    int firstOf(int side) const;
    Cell outerCell(int side, int offset) const;
    // The inner cell as far along its side, in whole percent, as the outer offset is along the
    // outer side.
    Cell innerCell(int side, int offset) const;

private:
    // The entries first to last of a ring's points; empty when last < first.
    struct Span {
        int first;
        int last;
    };

    static Span span(const Ring& ring, int side);
    int clampSide(int side) const;
    int clampOffset(int side, int offset) const;

    Ring m_outer;
    Ring m_inner;
};

} // namespace Tool
