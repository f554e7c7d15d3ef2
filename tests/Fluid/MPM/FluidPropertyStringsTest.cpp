#include "Fluid/MPM/FluidPropertyStrings.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

using Fluid::MPM::FluidPropertyStrings;

static_assert(std::has_virtual_destructor_v<FluidPropertyStrings>);
static_assert(!std::is_default_constructible_v<FluidPropertyStrings>, "the singleton builds it");

TEST(FluidPropertyStringsTest, NamesTheTwelvePropertiesBothWaysAndMissesTheRest) {
    const char* const names[] = {"DENSITY",    "DENSITY_INC", "STIFFNESS",    "BULK_VISCOSITY",
                                 "ELASTICITY", "VISCOSITY",   "YIELD_RATE",   "GRAVITY_X",
                                 "GRAVITY_Y",  "SMOOTHING",   "BOUNCE_FORCE", "COUNT_ADJACENT"};
    const auto& mapping = FluidPropertyStrings::instance().mapping();
    for (int id = 0; id < 12; ++id) {
        EXPECT_EQ(mapping.findA(mapping.findB(id)), id);
        EXPECT_EQ(mapping.findB(id), names[id]);
    }
    EXPECT_EQ(mapping.findB(12) + mapping.findB(-1), "INVALIDINVALID");
    for (const std::string name : {"INVALID", "", "density"}) {
        EXPECT_EQ(mapping.findA(name), 12) << name;
    }
}
