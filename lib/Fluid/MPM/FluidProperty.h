#pragma once

namespace Fluid::MPM {

// Ids of a liquid's twelve properties: their positions in every liquid's property array.
enum FluidProperty : int {
    DENSITY,
    DENSITY_INC,
    STIFFNESS,
    BULK_VISCOSITY,
    ELASTICITY,
    VISCOSITY,
    YIELD_RATE,
    GRAVITY_X,
    GRAVITY_Y,
    SMOOTHING,
    BOUNCE_FORCE,
    COUNT_ADJACENT,
    NUM_PROPERTIES
};

} // namespace Fluid::MPM
