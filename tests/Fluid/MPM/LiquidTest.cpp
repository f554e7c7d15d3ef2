#include "LiquidTesting.h"

#include "Fluid/MPM/Liquid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace Fluid::MPM;

TEST(LiquidTest, GridIsTheTileMapRefinedByTheShift) {
    LiquidWorld world(10, 6);
    struct Case {
        int shift;
        float lastX, lastY; // the farthest position whose stencil still fits
    } const cases[] = {{2, 38.4f, 22.4f}, {0, 8.4f, 4.4f}, {-3, 8.4f, 4.4f}};
    for (const Case& c : cases) {
        const auto liquid = world.make(Liquid::TILE_MAP, c.shift);
        EXPECT_TRUE(liquid->holdsStencil(particleAt(c.lastX, c.lastY))) << c.shift;
        EXPECT_FALSE(liquid->holdsStencil(particleAt(c.lastX + 0.2f, c.lastY))) << c.shift;
        EXPECT_FALSE(liquid->holdsStencil(particleAt(c.lastX, c.lastY + 0.2f))) << c.shift;
        EXPECT_TRUE(liquid->holdsStencil(particleAt(0.7f, 0.7f))) << c.shift;
        EXPECT_FALSE(liquid->holdsStencil(particleAt(0.4f, 0.7f))) << c.shift;
        EXPECT_FALSE(liquid->holdsStencil(particleAt(NAN, 0.7f))) << c.shift;
    }
}

TEST(LiquidTest, HandlesNumberEachListApartAndInvalidOnesReadAsEmpty) {
    LiquidWorld world(4, 4, 3);
    const auto liquid = world.make(Liquid::TILE_MAP);
    const Liquid::Handle first = liquid->createLiquid(true, 0, 4);
    const Liquid::Handle second = liquid->createLiquid(true, 0, 5);
    const Liquid::Handle shared = liquid->createLiquid(false, 0, 6);
    EXPECT_TRUE(first.separate && second.separate && !shared.separate);
    EXPECT_EQ(first.index, 0);
    EXPECT_EQ(second.index, 1);
    EXPECT_EQ(shared.index, 0);
    EXPECT_EQ(liquid->getMaxParticles(second), 5);
    EXPECT_EQ(liquid->getMaxParticles(shared), 6);

    const FluidParticle particle = particleAt(2.0f, 2.0f);
    for (const Liquid::Handle invalid : {Liquid::Handle{true, 2}, Liquid::Handle{false, -1}}) {
        liquid->setProperty(invalid, DENSITY, 5.0f);
        EXPECT_EQ(liquid->addParticles(invalid, &particle, 1), 0);
        EXPECT_EQ(liquid->getParticles(invalid), nullptr);
        EXPECT_EQ(liquid->getNumParticles(invalid), 0);
        EXPECT_EQ(liquid->getMaxParticles(invalid), 0);
        EXPECT_EQ(liquid->getProperty(invalid, DENSITY), 0.0f);
        EXPECT_EQ(liquid->getXYScale(invalid), 8);
    }
    EXPECT_EQ(liquid->getProperty(first, DENSITY), 2.0f);
}

TEST(LiquidTest, AddParticlesCopiesWhatFitsBehindTheLiveOnes) {
    LiquidWorld world(4, 4);
    const auto liquid = world.make(Liquid::TILE_MAP);
    const Liquid::Handle handle = liquid->createLiquid(true, 0, 8);
    std::vector<FluidParticle> particles;
    for (int k = 0; k < 10; ++k) {
        particles.push_back(particleAt(static_cast<float>(k), 0.0f));
    }
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
    struct Case {
        int id;
        float value, stored;
    } const cases[] = {{GRAVITY_Y, -1.0f, -0.05f}, {GRAVITY_X, 0.03f, 0.03f},
                       {DENSITY, -3.0f, 0.0f},     {BOUNCE_FORCE, 80.0f, 50.0f},
                       {VISCOSITY, 0.5f, 0.5f},    {SMOOTHING, 1.5f, 1.0f}};
    for (const Case& c : cases) {
        liquid->setProperty(handle, c.id, c.value);
        EXPECT_EQ(liquid->getProperty(handle, c.id), c.stored) << c.id;
    }
    for (const int id : {-1, 12, 100}) {
        liquid->setProperty(handle, id, 1.0f);
        EXPECT_EQ(liquid->getProperty(handle, id), 0.0f) << id;
        EXPECT_EQ(liquid->getPropertyMax(id), 0.0f) << id;
    }
}

TEST(LiquidTest, XYScaleIsTwoToTheTileShiftPlusTheLiquidsShiftMinusTheGrids) {
    LiquidWorld world(4, 4, 4);
    const auto liquid = world.make(Liquid::TILE_MAP, 2);
    const auto scale = [&](const int shift) {
        return liquid->getXYScale(liquid->createLiquid(true, shift, 0));
    };
    EXPECT_EQ(scale(0), 4);
    EXPECT_EQ(scale(3), 32);
    EXPECT_EQ(scale(-2), 1);
    EXPECT_EQ(scale(-40), 1);
    EXPECT_EQ(scale(40), scale(29));
}
