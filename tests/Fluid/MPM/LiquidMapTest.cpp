#include "LiquidTesting.h"

#include "Fluid/MPM/Liquid.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace Fluid::MPM;

namespace {

using Tiles = std::vector<std::pair<int, int>>;

// The particle after one step alone on a 16 by 16 map of open tiles but the solid ones, with
// BOUNCE_FORCE 2 on the bounded update and 0 on the walled one, and a boundary grid of 8 by 8
// cells that hold (0, 0) but at cell (4, 4). A liquid shift of -1 makes tiles of two nodes.
FluidParticle stepped(const Liquid::MapType type, const Tiles& solid, const FluidParticle& particle,
                      const BoundaryForceGrid::Force force = {}, const int shift = 0) {
    LiquidWorld world(16, 16);
    for (const auto& [column, row] : solid) {
        world.setSolid(column, row);
    }
    world.boundary.width = world.boundary.height = 8;
    world.forces[4 * 8 + 4] = force;
    const auto liquid = world.make(type);
    const Liquid::Handle handle = liquid->createLiquid(true, shift, 1);
    liquid->addParticles(handle, &particle, 1);
    liquid->setProperty(handle, BOUNCE_FORCE, type == Liquid::BOUNDARY_GRID ? 2.0f : 0.0f);
    liquid->setProperty(handle, GRAVITY_Y, -0.05f);
    liquid->simulate(1.0f);
    return liquid->getParticles(handle)[0];
}

} // namespace

// Gravity adds -0.05 to v; a particle's own fx is added to u by the bounded update only.
TEST(LiquidMapTest, BoundedUpdateBouncesOffSolidTilesAndBoundaryCells) {
    const struct {
        const char* what;
        Tiles solid;
        float x, u, v;
        int shift;
    } pushes[] = {{"left pushes", {{3, 4}}, 4, 2, -0.05f, 0},
                  {"sides cancel, a diagonal pushes", {{3, 4}, {5, 4}, {5, 5}}, 4, -2, -2.05f, 0},
                  {"a side wins over diagonals", {{3, 4}, {5, 4}, {4, 5}, {3, 3}}, 4, 0, -2.05f, 0},
                  {"past the map's edge is solid", {}, 1, 2, -0.05f, 0},
                  {"node 4 of two-node tiles is in tile 2", {{1, 2}}, 4, 2, -0.05f, -1},
                  {"inside a solid tile: marked for removal", {{4, 4}}, 4, 0, -0.05f, 0}};
    for (const auto& c : pushes) {
        const FluidParticle particle =
            stepped(Liquid::BOUNDARY_GRID, c.solid, particleAt(c.x, 4), {}, c.shift);
        EXPECT_NEAR(particle.u, c.u, 1e-5) << c.what;
        EXPECT_NEAR(particle.v, c.v, 1e-5) << c.what;
        EXPECT_EQ(particle.life < 0, c.solid.size() == 1 && c.solid[0] == std::pair(4, 4));
    }
    const struct {
        const char* what;
        float x;
        BoundaryForceGrid::Force force;
        float u, v;
    } reversals[] = {{"up reverses the fall", 4.5f, {0, 1}, 0.01f, 0.05f},
                     {"left reverses the drift", 4.5f, {-1, 0}, -0.01f, -0.05f},
                     {"no force outside the boundary grid", 9.5f, {-1, 1}, 0.01f, -0.05f}};
    for (const auto& c : reversals) {
        FluidParticle particle = particleAt(c.x, 4.5f);
        particle.fx = 0.01f;
        particle = stepped(Liquid::BOUNDARY_GRID, {}, particle, c.force);
        EXPECT_NEAR(particle.u, c.u, 1e-6) << c.what;
        EXPECT_NEAR(particle.v, c.v, 1e-6) << c.what;
    }
}

// A particle that would end up past node 1 or the last but one lands just inside them; one
// next to a solid tile (here (7, 4), and column and row 0 when edges are solid) is sent back.
TEST(LiquidMapTest, WalledUpdateKeepsParticlesOffTheEdgesAndSolidNeighbours) {
    const struct {
        const char* what;
        bool solidEdges;
        float x, y, u, v;
        float lowX, lowY; // it lands at most 0.01 above these
    } cases[] = {{"predicted 0.3", false, 1.2f, 4.5f, -0.9f, 0.05f, 1, 4.5f},
                 {"predicted 15.2", false, 14, 4.5f, 1.2f, 0.05f, 13.99f, 4.5f},
                 {"a corner tests no neighbour", true, 1.2f, 1.2f, -0.9f, -0.85f, 1, 1},
                 {"a wall alone does", true, 1.2f, 4.5f, -0.9f, 0.05f, 2.7f, 4.5f},
                 {"solid tile to the right", false, 6, 4.5f, 0, 0.05f, 4.5f, 4.5f}};
    for (const auto& c : cases) {
        Tiles solid = {{7, 4}};
        for (int k = 0; k < 16 && c.solidEdges; ++k) {
            solid.insert(solid.end(), {{0, k}, {k, 0}});
        }
        const FluidParticle particle =
            stepped(Liquid::TILE_MAP, solid, particleAt(c.x, c.y, c.u, c.v));
        EXPECT_GE(particle.x, c.lowX - 1e-5f) << c.what;
        EXPECT_LE(particle.x, c.lowX + 0.01f) << c.what;
        EXPECT_GE(particle.y, c.lowY - 1e-5f) << c.what;
        EXPECT_LE(particle.y, c.lowY + 0.01f) << c.what;
    }
}
