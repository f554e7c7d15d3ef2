#pragma once

#include <cstdint>

namespace Fluid::MPM {

// One particle of a liquid. Coordinates are in node units: node i sits at coordinate i. The
// caller fills position, velocity, deformation, extra force, life and frame fields and hands
// particles over in arrays; the step writes the rest.
struct FluidParticle {
    float x, y;
    float u, v;
    float dx, dy;           // displacement of the last step
    float sxx, sxy, syy;    // stored deformation, a symmetric tensor
    int cx, cy;             // first column and row of the 3 by 3 node stencil
    float wx[3], wy[3];     // stencil weights along x and y
    float gx[3], gy[3];     // their gradients
    float fx, fy;           // velocity change per step of the bounded update
    int life;               // steps left; a particle found below 0 is removed
    std::uint16_t adjacent; // particles whose stencil centre is one of the nine stencil nodes
    int frame; // cycles from firstFrame to lastFrame, one advance every framePeriod + 2 steps
    int firstFrame, lastFrame;
    int frameCountdown;
    int framePeriod;
};

} // namespace Fluid::MPM
