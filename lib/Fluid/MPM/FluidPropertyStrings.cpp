#include "Fluid/MPM/FluidPropertyStrings.h"

#include "Fluid/MPM/FluidProperty.h"

namespace Fluid::MPM {

FluidPropertyStrings::FluidPropertyStrings() : m_mapping(NUM_PROPERTIES, "INVALID") {
    const char* const names[NUM_PROPERTIES] = {"DENSITY",        "DENSITY_INC",  "STIFFNESS",
                                               "BULK_VISCOSITY", "ELASTICITY",   "VISCOSITY",
                                               "YIELD_RATE",     "GRAVITY_X",    "GRAVITY_Y",
                                               "SMOOTHING",      "BOUNCE_FORCE", "COUNT_ADJACENT"};
    for (int id = 0; id < NUM_PROPERTIES; ++id) {
        m_mapping.add(id, names[id]);
    }
}

} // namespace Fluid::MPM
