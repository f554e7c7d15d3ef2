#pragma once

#include <cstdint>

namespace Fluid::MPM {

// One node of the simulation grid, zero between steps. During a step u and v hold momentum,
// then velocity, and ax and ay force, then acceleration. Each pair is read and written as one.
struct FluidNode {
    float mass;
    float gradX, gradY; // gradient of the mass field
    float u, v;
    float ax, ay;
    std::uint8_t active; // listed among the nodes this step touched
    std::uint16_t count; // particles whose stencil centre is this node
};

} // namespace Fluid::MPM
