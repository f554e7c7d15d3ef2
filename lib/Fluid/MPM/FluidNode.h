#pragma once

#include <cstdint>

namespace Fluid::MPM {

// One node of the simulation grid. Zero between steps. Pairs are x then y: during a step uv
// holds momentum, then velocity, and axy force, then acceleration.
struct FluidNode {
    float mass;
    float grad[2]; // gradient of the mass field
    float uv[2];
    float axy[2];
    std::uint8_t active; // listed among the nodes this step touched
    std::uint16_t count; // particles whose stencil centre is this node
};

} // namespace Fluid::MPM
