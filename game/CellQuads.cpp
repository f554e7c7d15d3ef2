#include "game/CellQuads.h"

#include <cstddef>

namespace Tool {

namespace {

constexpr std::size_t s_floatsPerQuad = 12;

} // namespace

CellQuads::CellQuads(int width, int height)
    : gridWidth(width), gridHeight(height),
      buffer(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * s_floatsPerQuad) {
}

int CellQuads::fill(const unsigned char* grid, float screenWidth, float screenHeight) {
    const float cw = screenWidth / static_cast<float>(gridWidth);
    const float ch = screenHeight / static_cast<float>(gridHeight);
    float* out = buffer.data();
    int quads = 0;
    for (int c = 0; c < gridWidth; ++c) {
        const float x = static_cast<float>(c) * cw + cw / 2;
        for (int r = 0; r < gridHeight; ++r) {
            if (grid[c + gridWidth * r] == 0) {
                continue;
            }
            const float y = screenHeight - (static_cast<float>(r) * ch + ch / 2);
            const float corners[s_floatsPerQuad] = {x - cw / 2, y + ch / 2, 0.0f,       x - cw / 2,
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
