#include "Fluid/MPM/FluidPropertyStrings.h"

#include <gtest/gtest.h>

#include <string>

TEST(FluidPropertyStringsTest, NamesTheTwelvePropertiesBothWaysAndMissesTheRest) {
    const auto& mapping = Fluid::MPM::FluidPropertyStrings::instance().mapping();
    for (int id = 0; id < 12; ++id) {
        EXPECT_EQ(mapping.findA(mapping.findB(id)), id);
    }
    EXPECT_EQ(mapping.findB(0) + mapping.findB(11), "DENSITYCOUNT_ADJACENT");
    EXPECT_EQ(mapping.findB(12) + mapping.findB(-1), "INVALIDINVALID");
    for (const std::string name : {"INVALID", "density"}) {
        EXPECT_EQ(mapping.findA(name), 12) << name;
    }
}
