#include "game/RingMapping.h"

#include <algorithm>
#include <cstddef>

namespace Tool {
namespace {

int sideCount(const RingMapping::Ring& ring) {
    return static_cast<int>(ring.vertexIndex.size());
}

Cell pointAt(const Cells& cells, const int index) {
    return cells[static_cast<std::size_t>(index)];
}

} // namespace

int RingMapping::pickSide(const float number) const {
    return clampSide(static_cast<int>(number * static_cast<float>(sideCount(m_outer))));
}

int RingMapping::pickOffset(const int side, const float number) const {
    const Span cells = span(m_outer, clampSide(side));
    const float count = static_cast<float>(cells.last + 1 - cells.first);
    return clampOffset(side, static_cast<int>(number * count));
}

int RingMapping::sideOf(const int position) const {
    const auto next =
        std::upper_bound(m_outer.vertexIndex.begin() + 1, m_outer.vertexIndex.end(), position);
    return clampSide(static_cast<int>(next - m_outer.vertexIndex.begin()) - 1);
}

int RingMapping::firstOf(const int side) const {
    return span(m_outer, clampSide(side)).first;
}

Cell RingMapping::outerCell(const int side, const int offset) const {
    const int s = clampSide(side);
    const Span cells = span(m_outer, s);
    if (cells.last < cells.first) {
        return pointAt(m_outer.vertices, s);
    }
    return pointAt(m_outer.points, cells.first + clampOffset(s, offset));
}

Cell RingMapping::innerCell(const int side, const int offset) const {
    const int s = clampSide(side);
    if (s >= sideCount(m_inner)) {
        // An inner polygon that drew no vertex has no cell to offer.
        return outerCell(s, offset);
    }
    const Span inner = span(m_inner, s);
    if (inner.last < inner.first) {
        return pointAt(m_inner.vertices, s);
    }
    const Span outer = span(m_outer, s);
    const int outerLength = outer.last - outer.first;
    const int innerLength = inner.last - inner.first;
    // Through a whole percentage first, as the board has always paired its cells.
    const int innerOffset =
        outerLength <= 0 ? 0 : clampOffset(s, offset) * 100 / outerLength * innerLength / 100;
    return pointAt(m_inner.points, inner.first + std::clamp(innerOffset, 0, innerLength));
}

RingMapping::Span RingMapping::span(const Ring& ring, const int side) {
    const std::size_t s = static_cast<std::size_t>(side);
    const int end = s + 1 < ring.vertexIndex.size() ? ring.vertexIndex[s + 1]
                                                    : static_cast<int>(ring.points.size());
    return {ring.vertexIndex[s], end - 1};
}

int RingMapping::clampSide(const int side) const {
    return std::clamp(side, 0, sideCount(m_outer) - 1);
}

int RingMapping::clampOffset(const int side, const int offset) const {
    const Span cells = span(m_outer, clampSide(side));
    return std::clamp(offset, 0, std::max(cells.last - cells.first, 0));
}

} // namespace Tool
