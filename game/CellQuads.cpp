#include "game/CellQuads.h"

#include <cstddef>

namespace Tool {

namespace {

constexpr std::size_t FLOATS_PER_QUAD = 12;

} // namespace

CellQuads::CellQuads(int width, int height)
    : m_gridWidth(width), m_gridHeight(height),
      m_buffer(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
               FLOATS_PER_QUAD) {}

int CellQuads::fill(const unsigned char* grid, float screenWidth, float screenHeight) {
    const float cw = screenWidth / static_cast<float>(m_gridWidth);
    const float ch = screenHeight / static_cast<float>(m_gridHeight);
    float* out = m_buffer.data();
    int quads = 0;
    for (int c = 0; c < m_gridWidth; ++c) {
        const float x = static_cast<float>(c) * cw + cw / 2;
        for (int r = 0; r < m_gridHeight; ++r) {
            if (grid[c + m_gridWidth * r] == 0) {
                continue;
            }
            const float y = screenHeight - (static_cast<float>(r) * ch + ch / 2);
            const float corners[FLOATS_PER_QUAD] = {x - cw / 2, y + ch / 2, 0.0f,       x - cw / 2,
                                                    y - ch / 2, 0.0f,       x + cw / 2, y - ch / 2,
                                                    0.0f,       x + cw / 2, y + ch / 2, 0.0f};
            for (const float value : corners) {
                *out++ = value;
            }
            ++quads;
        }
    }
    return quads;
}

} // namespace Tool
