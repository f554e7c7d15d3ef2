#include "Fluid/MPM/FluidPropertyStrings.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

using Fluid::MPM::FluidPropertyStrings;

static_assert(std::has_virtual_destructor_v<FluidPropertyStrings>);
static_assert(!std::is_copy_constructible_v<FluidPropertyStrings>);
static_assert(!std::is_default_constructible_v<FluidPropertyStrings>,
              "only the singleton builds the table");

TEST(FluidPropertyStringsTest, NamesTheTwelvePropertiesBothWaysInIdOrder) {
    const char* const names[] = {"DENSITY",    "DENSITY_INC", "STIFFNESS",    "BULK_VISCOSITY",
                                 "ELASTICITY", "VISCOSITY",   "YIELD_RATE",   "GRAVITY_X",
                                 "GRAVITY_Y",  "SMOOTHING",   "BOUNCE_FORCE", "COUNT_ADJACENT"};
    const auto& mapping = FluidPropertyStrings::instance().mapping();
    EXPECT_EQ(&FluidPropertyStrings::instance(), &FluidPropertyStrings::instance());
    for (int id = 0; id < 12; ++id) {
        EXPECT_EQ(mapping.findB(id), names[id]);
        EXPECT_EQ(mapping.findA(names[id]), id);
    }
}

TEST(FluidPropertyStringsTest, UnknownIdsAndNamesGiveTheMissValues) {
    const auto& mapping = FluidPropertyStrings::instance().mapping();
    for (const int id : {12, -1, 13, 1000}) {
        EXPECT_EQ(mapping.findB(id), "INVALID") << id;
    }
    for (const std::string name : {"INVALID", "", "density", "DENSITY "}) {
        EXPECT_EQ(mapping.findA(name), 12) << name;
    }
}
