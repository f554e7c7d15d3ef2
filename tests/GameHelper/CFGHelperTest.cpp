#include "GameHelper/CFGHelper.h"

#include "CFG/GlobalConfig.h"
#include "Fluid/MPM/Liquid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

using Fluid::MPM::Liquid;

namespace {

// A liquid on a one-tile map; the process-wide configurations are emptied again after each test.
class CFGHelperTest : public testing::Test {
protected:
    ~CFGHelperTest() override {
        CFG::global()->reset();
        CFG::getDefaultOverrides()->reset();
    }

    const std::uint32_t tile = 0;
    const Map::TileMap map{&tile, 1, 1, 0, 0};
    Liquid liquid{&map, nullptr, 2, 1.0f, Liquid::TILE_MAP, nullptr};
    const Liquid::Handle handle = liquid.createLiquid(true, 0, 1);
};

// Nothing in the system catches the conversion error: it ends the process through terminate.
void setUncaught(Liquid& liquid, const Liquid::Handle& handle) noexcept {
    GameHelper::CFGHelper::setLiquidProperties("", &liquid, handle);
}

} // namespace

TEST_F(CFGHelperTest, ReadsThePrefixedNamesAndLeavesAbsentOrEmptyKeysAlone) {
    CFG::global()->add("WATER_VISCOSITY", "0.3");
    CFG::global()->add("WATER_GRAVITY_Y", "-0.2");
    CFG::global()->add("WATER_STIFFNESS", "");
    CFG::global()->add("water_DENSITY", "5");
    CFG::global()->add("WATER_BOUNCE_FORCE", "7.5 tiles");
    CFG::global()->add("WATER_SMOOTHING", "0x1");
    CFG::getDefaultOverrides()->add("WATER_YIELD_RATE", "0.25");
    GameHelper::CFGHelper::setLiquidProperties("WATER", &liquid, handle);
    const float expected[] = {2.0f, 0, 1.0f, 1.0f, 0, 0.3f, 0.25f, 0, -0.05f, 0, 7.5f, 0};
    for (int id = 0; id < Fluid::MPM::NUM_PROPERTIES; ++id) {
        EXPECT_EQ(liquid.getProperty(handle, id), expected[id]) << id;
    }
}

TEST_F(CFGHelperTest, TextThatIsNoNumberEndsTheProcessWithTheConversionError) {
    CFG::global()->add("_DENSITY", "thick");
    EXPECT_DEATH(setUncaught(liquid, handle), "what\\(\\):  Cant convert String to Num:thick");
}

TEST_F(CFGHelperTest, PropertiesBeforeTheFaultyOneStaySet) {
    CFG::global()->add("OIL_DENSITY", "4");
    CFG::global()->add("OIL_STIFFNESS", "stiff");
    EXPECT_THROW(GameHelper::CFGHelper::setLiquidProperties("OIL", &liquid, handle),
                 std::domain_error);
    EXPECT_EQ(liquid.getProperty(handle, Fluid::MPM::DENSITY), 4.0f);
    EXPECT_EQ(liquid.getProperty(handle, Fluid::MPM::STIFFNESS), 1.0f);
}
