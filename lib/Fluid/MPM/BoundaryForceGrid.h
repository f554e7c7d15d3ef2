#pragma once

namespace Fluid::MPM {

// Per-cell directions, in node units, against which a liquid's bounded velocity update
// reverses a particle's velocity components. The cells are not owned.
struct BoundaryForceGrid {
    struct Force {
        float nx;
        float ny;
    };

    const Force* cells; // width * height cells, row-major
    int width;
    int height;
};

} // namespace Fluid::MPM
