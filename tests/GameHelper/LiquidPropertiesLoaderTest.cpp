#include "GameHelper/CFGHelper.h"

#include "CFG/GlobalConfig.h"
#include "Fluid/MPM/Liquid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <utility>

using Fluid::MPM::Liquid;

TEST(LiquidPropertiesLoaderTest, ReadsThePrefixedNamesInIdOrderAndLeavesAbsentOrEmptyKeysAlone) {
    const std::uint32_t tile = 0;
    const Map::TileMap map{&tile, 1, 1, 0, 0};
    Liquid liquid(&map, nullptr, 2, 1.0f, Liquid::TILE_MAP, nullptr);
    const Liquid::Handle handle = liquid.createLiquid(true, 0, 1);
    for (const auto& [key, value] : {std::pair("WATER_VISCOSITY", "0.3"),
                                     {"WATER_GRAVITY_Y", "-0.2"},
                                     {"WATER_STIFFNESS", ""},
                                     {"water_DENSITY", "5"},
                                     {"WATER_BOUNCE_FORCE", "7.5 tiles"},
                                     {"WATER_SMOOTHING", "0x1"}}) {
        CFG::global()->add(key, value);
    }
    CFG::getDefaultOverrides()->add("WATER_YIELD_RATE", "0.25");
    GameHelper::CFGHelper::setLiquidProperties("WATER", &liquid, handle);
    const float expected[] = {2.0f, 0, 1.0f, 1.0f, 0, 0.3f, 0.25f, 0, -0.05f, 0, 7.5f, 0};
    for (int id = 0; id < Fluid::MPM::NUM_PROPERTIES; ++id) {
        EXPECT_EQ(liquid.getProperty(handle, id), expected[id]) << id;
    }
    // Text that is no number throws, leaving the properties of lower ids set.
    CFG::global()->add("WATER_DENSITY", "4");
    CFG::global()->add("WATER_STIFFNESS", "stiff");
    EXPECT_THROW(GameHelper::CFGHelper::setLiquidProperties("WATER", &liquid, handle),
                 std::domain_error);
    EXPECT_EQ(liquid.getProperty(handle, Fluid::MPM::DENSITY), 4.0f);
    CFG::global()->reset();
    CFG::getDefaultOverrides()->reset();
}
