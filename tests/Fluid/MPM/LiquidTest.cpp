#include "LiquidTesting.h"

#include "Fluid/MPM/Liquid.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace Fluid::MPM;

TEST(LiquidTest, HandlesNumberEachListApartAndInvalidOnesReadAsEmpty) {
    LiquidWorld world(4, 4, 3);
    const auto liquid = world.make(Liquid::TILE_MAP);
    // Two separate liquids, then a shared one: each list counts from 0.
    for (const auto& [separate, index] : {std::pair(true, 0), {true, 1}, {false, 0}}) {
        const Liquid::Handle handle = liquid->createLiquid(separate, 0, 6);
        EXPECT_EQ(std::pair(handle.separate, handle.index), std::pair(separate, index));
    }
    const FluidParticle particle = particleAt(2.0f, 2.0f);
    for (const Liquid::Handle invalid : {Liquid::Handle{true, 2}, Liquid::Handle{false, -1}}) {
        liquid->setProperty(invalid, DENSITY, 5.0f);
        EXPECT_EQ(liquid->addParticles(invalid, &particle, 1), 0);
        EXPECT_EQ(liquid->getParticles(invalid), nullptr);
        EXPECT_EQ(liquid->getNumParticles(invalid) + liquid->getMaxParticles(invalid), 0);
        EXPECT_EQ(liquid->getProperty(invalid, DENSITY), 0.0f);
        EXPECT_EQ(liquid->getXYScale(invalid), 8);
    }
    // 2 to the map's tile shift (3) plus the liquid's shift minus the grid's (0), held to 0..31.
    for (const auto& [shift, scale] :
         {std::pair(-2, 2), {-40, 1}, {40, static_cast<int>(1u << 31)}}) {
        EXPECT_EQ(liquid->getXYScale(liquid->createLiquid(true, shift, 0)), scale) << shift;
    }
}

TEST(LiquidTest, AddParticlesCopiesWhatFitsBehindTheLiveOnes) {
    LiquidWorld world(4, 4);
    const auto liquid = world.make(Liquid::TILE_MAP);
    const Liquid::Handle handle = liquid->createLiquid(true, 0, 8);
    const std::vector<FluidParticle> particles = block(10, 10, 0.0f, 1.0f);
    EXPECT_EQ(liquid->addParticles(handle, particles.data(), 5), 5);
    EXPECT_EQ(liquid->addParticles(handle, particles.data(), -4), 0);
    EXPECT_EQ(liquid->addParticles(handle, particles.data(), 10), 3);
    EXPECT_EQ(liquid->addParticles(handle, particles.data(), 1), 0);
    EXPECT_EQ(liquid->getNumParticles(handle), 8);
    const float expectedX[] = {0, 1, 2, 3, 4, 0, 1, 2};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(liquid->getParticles(handle)[k].x, expectedX[k]) << k;
    }
    const Liquid::Handle none = liquid->createLiquid(false, 0, -3);
    EXPECT_EQ(liquid->getMaxParticles(none), 0);
    EXPECT_EQ(liquid->addParticles(none, particles.data(), 1), 0);
}

TEST(LiquidTest, PropertiesStartAtTheirDefaultsAndAreHeldToTheirRange) {
    LiquidWorld world(4, 4);
    const auto liquid = world.make(Liquid::TILE_MAP);
    const Liquid::Handle handle = liquid->createLiquid(true, 0, 1);
    const float defaults[] = {2.0f, 0, 1.0f, 1.0f, 0, 0.1f, 0, 0, 0, 0, 1.0f, 0};
    const float maxima[] = {10.0f, 1, 10.0f, 1, 1, 1, 1, 0.05f, 0.05f, 1, 50.0f, 1};
    for (int id = 0; id < NUM_PROPERTIES; ++id) {
        EXPECT_EQ(liquid->getProperty(handle, id), defaults[id]) << id;
        EXPECT_EQ(liquid->getPropertyMax(id), maxima[id]) << id;
    }
    // Ids outside 0..11 store nothing and read as 0.
    const struct {
        int id;
        float value, stored;
    } cases[] = {{GRAVITY_Y, -1.0f, -0.05f},
                 {GRAVITY_X, 0.03f, 0.03f},
                 {DENSITY, -3.0f, 0},
                 {BOUNCE_FORCE, 80.0f, 50.0f},
                 {VISCOSITY, 0.5f, 0.5f},
                 {12, 1.0f, 0},
                 {-1, 1.0f, 0}};
    for (const auto& c : cases) {
        liquid->setProperty(handle, c.id, c.value);
        EXPECT_EQ(liquid->getProperty(handle, c.id), c.stored) << c.id;
    }
    EXPECT_EQ(liquid->getPropertyMax(12), 0.0f);
}
