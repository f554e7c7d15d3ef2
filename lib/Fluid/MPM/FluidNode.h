#pragma once

#include <cstdint>

namespace Fluid::MPM {

// One node of the simulation grid. Zero between steps; during a step u, v hold momentum, then
// velocity, and ax, ay force, then acceleration.
struct FluidNode {
    float mass;
    float gradX, gradY; // gradient of the mass field
    float u, v;
    float ax, ay;
    std::uint8_t active; // listed among the nodes this step touched
    std::uint16_t count; // particles whose stencil centre is this node
};

} // namespace Fluid::MPM
