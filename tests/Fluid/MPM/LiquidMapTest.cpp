#include "LiquidTesting.h"

#include "Fluid/MPM/Liquid.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace Fluid::MPM;

namespace {

using Tiles = std::vector<std::pair<int, int>>;

// The velocity of a lone resting particle at (4, 4) of an 8 by 8 map after one bounded step:
// the push of the solid tiles around it, and its life.
std::pair<FluidParticle, int> bouncedOnce(const Tiles& solid, const float x = 4.0f) {
    LiquidWorld world(8, 8);
    for (const auto& [column, row] : solid) {
        world.setSolid(column, row);
    }
    const auto liquid = world.make(Liquid::BOUNDARY_GRID);
    const auto handle = addLiquid(*liquid, {particleAt(x, 4.0f)});
    liquid->setProperty(handle, BOUNCE_FORCE, 2.0f);
    liquid->simulate(1.0f);
    const FluidParticle particle = liquid->getParticles(handle)[0];
    liquid->simulate(1.0f);
    return {particle, liquid->getNumParticles(handle)};
}

} // namespace

TEST(LiquidMapTest, SolidTilesAroundAParticlePushItAway) {
    struct Case {
        const char* layout;
        Tiles solid;
        float x, u, v;
    } const cases[] = {
        {"left", {{3, 4}}, 4.0f, 2.0f, 0.0f},
        {"below", {{4, 3}}, 4.0f, 0.0f, 2.0f},
        {"sides cancel, a diagonal pushes", {{3, 4}, {5, 4}, {5, 5}}, 4.0f, -2.0f, -2.0f},
        {"a diagonal alone", {{3, 5}}, 4.0f, 2.0f, -2.0f},
        {"a side wins over the diagonals", {{3, 4}, {5, 4}, {4, 5}, {3, 3}}, 4.0f, 0.0f, -2.0f},
        {"past the map's edge is solid", {}, 1.0f, 2.0f, 0.0f},
    };
    for (const Case& c : cases) {
        const auto [particle, left] = bouncedOnce(c.solid, c.x);
        EXPECT_NEAR(particle.u, c.u, 1e-5) << c.layout;
        EXPECT_NEAR(particle.v, c.v, 1e-5) << c.layout;
        EXPECT_EQ(left, 1) << c.layout;
    }
    const auto [particle, left] = bouncedOnce({{4, 4}});
    EXPECT_EQ(particle.life, -1) << "inside a solid tile";
    EXPECT_EQ(particle.u, 0.0f);
    EXPECT_EQ(left, 0);
}

TEST(LiquidMapTest, TilesAreCountedInTheLiquidsOwnUnits) {
    LiquidWorld world(4, 4);
    world.setSolid(1, 2);
    const auto liquid = world.make(Liquid::BOUNDARY_GRID, 1);
    const auto fine = liquid->createLiquid(true, 0, 1);
    const auto coarse = liquid->createLiquid(true, 1, 1);
    for (const auto& handle : {fine, coarse}) {
        const FluidParticle particle = particleAt(4.0f, 4.0f);
        liquid->addParticles(handle, &particle, 1);
    }
    liquid->simulate(1.0f);
    EXPECT_NEAR(liquid->getParticles(fine)[0].u, 1.0f, 1e-5) << "node 4 lies in tile 2";
    EXPECT_NEAR(liquid->getParticles(coarse)[0].u, 0.0f, 1e-5) << "node 4 is tile 4: open";
}

TEST(LiquidMapTest, BoundaryCellsReverseVelocityAgainstTheirDirection) {
    struct Case {
        const char* what;
        BoundaryForceGrid::Force force;
        int boundaryWidth;
        float u, v;
    } const cases[] = {{"up reverses the fall", {0.0f, 1.0f}, 8, 0.01f, 0.05f},
                       {"down keeps it", {0.0f, -1.0f}, 8, 0.01f, -0.05f},
                       {"left reverses the drift", {-1.0f, 0.0f}, 8, -0.01f, -0.05f},
                       {"outside the boundary grid", {0.0f, 1.0f}, 4, 0.01f, -0.05f}};
    for (const Case& c : cases) {
        LiquidWorld world(8, 8);
        world.forces[4 * 8 + 4] = c.force;
        world.boundary.width = world.boundary.height = c.boundaryWidth;
        const auto liquid = world.make(Liquid::BOUNDARY_GRID);
        FluidParticle particle = particleAt(4.5f, 4.5f);
        particle.fx = 0.01f;
        const auto handle = addLiquid(*liquid, {particle});
        liquid->setProperty(handle, GRAVITY_Y, -0.05f);
        liquid->simulate(1.0f);
        EXPECT_NEAR(liquid->getParticles(handle)[0].u, c.u, 1e-6) << c.what;
        EXPECT_NEAR(liquid->getParticles(handle)[0].v, c.v, 1e-6) << c.what;
    }
}

TEST(LiquidMapTest, WalledUpdateKeepsParticlesOffTheEdgesAndSolidNeighbours) {
    struct Case {
        const char* what;
        float x, y, u, v;
        float lowX, highX, lowY, highY;
    } const cases[] = {
        {"predicted 0.3", 1.2f, 4.5f, -0.9f, 0.0f, 1.0f, 1.01f, 4.5f, 4.5f},
        {"predicted 1.0 rounds below node 1", 1.6f, 4.5f, -0.6f, 0.0f, 1.0f, 1.01f, 4.5f, 4.5f},
        {"predicted 15.2", 14.0f, 4.5f, 1.2f, 0.0f, 13.99f, 14.0f, 4.5f, 4.5f},
        {"a corner tests no neighbour", 1.2f, 1.2f, -0.9f, -0.9f, 1.0f, 1.01f, 1.0f, 1.01f},
        {"a wall alone does", 1.2f, 4.5f, -0.9f, 0.0f, 2.7f, 2.71f, 4.5f, 4.5f},
        {"solid tile to the right", 6.0f, 4.5f, 0.0f, 0.0f, 4.5f, 4.5f, 4.5f, 4.5f},
    };
    for (const Case& c : cases) {
        LiquidWorld world(16, 16);
        const std::string what = c.what;
        if (what.rfind("a ", 0) == 0) { // the wall cases with solid tiles along the edge
            for (int k = 0; k < 16; ++k) {
                world.setSolid(0, k);
                world.setSolid(k, 0);
            }
        }
        world.setSolid(7, 4);
        const auto liquid = world.make(Liquid::TILE_MAP);
        const auto handle = addLiquid(*liquid, {particleAt(c.x, c.y, c.u, c.v)});
        liquid->setProperty(handle, BOUNCE_FORCE, 0.0f);
        liquid->simulate(1.0f);
        const FluidParticle& particle = liquid->getParticles(handle)[0];
        EXPECT_GE(particle.x, c.lowX) << c.what;
        EXPECT_LE(particle.x, c.highX) << c.what;
        EXPECT_GE(particle.y, c.lowY) << c.what;
        EXPECT_LE(particle.y, c.highY) << c.what;
    }
}
