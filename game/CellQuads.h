#pragma once

#include <vector>

namespace Tool {

// The play grid as screen quads: every non-zero cell becomes one square of four 3-float
// vertices, corners counter-clockwise with y up, the grid filling the screen with row 0 at the
// top. Quads are written column by column into a buffer sized once for every cell.
class CellQuads {
public:
    CellQuads(int gridWidth, int gridHeight);

    // Fills the buffer from the grid and returns the number of quads written.
    int fill(const unsigned char* grid, float screenWidth, float screenHeight);
    const float* data() const { return m_buffer.data(); }

private:
    int m_gridWidth;
    int m_gridHeight;
    std::vector<float> m_buffer;
};

} // namespace Tool
