#include "LiquidTesting.h"

#include "Fluid/MPM/Liquid.h"
#include "RNG/I_Random.h"
#include "RNG/RandSimple.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

using namespace Fluid::MPM;

namespace {

using Tiles = std::vector<std::pair<int, int>>;

struct ZeroRandom final : RNG::I_Random {
    void initialise(unsigned int) override {}
    void initialise(const unsigned int*, int) override {}
    float getFloat() override { return 0.0f; }
};

// The particle after one step alone on a 16 by 16 map of open tiles but the solid ones, drawing
// from random, with BOUNCE_FORCE 2 on the bounded update and 0 on the walled one, and a boundary
// grid of 8 by 8 cells of no force but in row 4. A liquid shift of -1 makes two-node tiles.
FluidParticle stepped(const Liquid::MapType type, const Tiles& solid, const FluidParticle& particle,
                      RNG::I_Random* const random, const BoundaryForceGrid::Force force = {},
                      const int shift = 0) {
    LiquidWorld world(16, 16);
    for (const auto& [column, row] : solid) {
        world.tiles[static_cast<std::size_t>(row * 16 + column)] = 1u;
    }
    world.boundary.width = world.boundary.height = 8;
    std::fill_n(world.forces.begin() + 4 * 8, 8, force);
    world.source = random;
    const auto liquid = world.make(type);
    const Liquid::Handle handle = liquid->createLiquid(true, shift, 1);
    liquid->addParticles(handle, &particle, 1);
    liquid->setProperty(handle, BOUNCE_FORCE, type == Liquid::BOUNDARY_GRID ? 2.0f : 0.0f);
    liquid->setProperty(handle, GRAVITY_Y, -0.05f);
    liquid->simulate(1.0f);
    return liquid->getParticles(handle)[0];
}

} // namespace

// Solid sides push, and when they cancel, solid diagonals. Gravity adds -0.05 to v, and a
// particle's own fx (here 0.01) adds to u on the bounded update alone. A boundary cell's
// direction reverses the parts of the velocity against it.
TEST(LiquidMapTest, BoundedUpdateBouncesOffSolidTilesAndBoundaryCells) {
    const struct {
        const char* what;
        float x;
        double u, v;
        Tiles solid;
        BoundaryForceGrid::Force force = {};
        int shift = 0;
        bool removed = false;
    } cases[] = {{"left pushes", 4, 2.01, -0.05, {{3, 4}}},
                 {"diagonals push", 4, -3.99, -0.05, {{3, 4}, {5, 4}, {5, 5}, {5, 3}}},
                 {"a side wins over diagonals", 4, 0.01, -2.05, {{3, 4}, {5, 4}, {4, 5}, {3, 3}}},
                 {"past the map's edge is solid", 1, 2.01, -0.05, {}},
                 {"node 4 of two-node tiles is in tile 2", 4, 2.01, -0.05, {{1, 2}}, {}, -1},
                 {"node 8 of half-node tiles is past the edge", 8, 0.01, -0.05, {}, {}, 1, true},
                 {"inside a solid tile", 4, 0.01, -0.05, {{4, 4}}, {}, 0, true},
                 {"up reverses the fall", 4.5f, 0.01, 0.05, {}, {0, 1}},
                 {"left reverses the drift", 4.5f, -0.01, -0.05, {}, {-1, 0}},
                 {"column 0 reverses the edge's push", 0.7f, -2.01, -0.05, {}, {-1, 0}},
                 {"no force outside the boundary grid", 9.5f, 0.01, -0.05, {}, {-1, 1}}};
    for (const auto& c : cases) {
        FluidParticle particle = particleAt(c.x, 4);
        particle.fx = 0.01f;
        particle = stepped(Liquid::BOUNDARY_GRID, c.solid, particle, nullptr, c.force, c.shift);
        EXPECT_NEAR(particle.u, c.u, 1e-5) << c.what;
        EXPECT_NEAR(particle.v, c.v, 1e-5) << c.what;
        EXPECT_EQ(particle.life, c.removed ? -1 : 999999) << c.what;
    }
}

// A particle that would end up past node 1 or the last but one lands just inside them, moved
// by less than 0.01 at random; one next to a solid tile is sent back. Without a random source it
// lands as if every draw were 0.
TEST(LiquidMapTest, WalledUpdateKeepsParticlesOffTheEdgesAndSolidNeighbours) {
    const struct {
        const char* what;
        float x, y, u, v;
        float lowX, lowY; // it lands at most 0.01 above these
        Tiles solid;
    } cases[] = {{"x predicted 0.3, y at node 14", 1.2f, 14.4f, -0.9f, 0.05f, 1, 14.4f, {}},
                 {"x predicted 15.2, y at node 1", 14, 0.8f, 1.2f, 0.85f, 13.99f, 1.6f, {}},
                 {"y predicted 15.2, x at node 1", 1.6f, 14, 0, 1.25f, 1.6f, 13.99f, {}},
                 {"a corner tests no neighbour", 1.2f, 1.2f, -0.9f, -0.85f, 1, 1, {{0, 1}, {1, 0}}},
                 {"a wall alone does", 1.2f, 4.5f, -0.9f, 0.05f, 2.7f, 4.5f, {{0, 4}}},
                 {"solid tile to the right", 6, 4.5f, 0, 0.05f, 4.5f, 4.5f, {{7, 4}}}};
    for (const auto& c : cases) {
        const auto step = [&](RNG::I_Random* const random) {
            return stepped(Liquid::TILE_MAP, c.solid, particleAt(c.x, c.y, c.u, c.v), random);
        };
        RNG::RandSimple seven(7);
        const FluidParticle particle = step(&seven);
        EXPECT_NEAR(particle.x, c.lowX + 0.005f, 0.00501f) << c.what;
        EXPECT_NEAR(particle.y, c.lowY + 0.005f, 0.00501f) << c.what;
        ZeroRandom zero;
        const FluidParticle a = step(nullptr), b = step(&zero);
        EXPECT_EQ(std::tuple(a.x, a.y, a.u, a.v), std::tuple(b.x, b.y, b.u, b.v)) << c.what;
    }
}

// The walled update moves a particle by the grid's velocity times the time step, here 2, which
// the walls do not bound. One that would go so far that its stencil leaves the grid is held where
// the stencil stays on it: at 0.5, and on the high side below 14.5 of 16 nodes (14.5 - 1 rounds to
// the even 14, one node too far) or at 13.5 of 15. Its move stays the grid's. The other updates, a
// particle whose life is over and a NaN position are left off the grid: the next step ends the
// program.
TEST(LiquidMapTest, WalledUpdateHoldsParticlesWhereTheirStencilStaysOnTheGrid) {
    const struct {
        const char* what;
        Liquid::MapType type;
        float x, y, u, v;
        int life;
        float held; // along the axis the particle leaves by; NaN where it is not held
    } cases[] = {{"x below 0.5", Liquid::TILE_MAP, 2, 7, -0.9f, 0, 1, 0.5f},
                 {"x past 14.5", Liquid::TILE_MAP, 14, 7, 0.45f, 0, 1, std::nextafter(14.5f, 0.0f)},
                 {"y below 0.5", Liquid::TILE_MAP, 7, 2, 0, -0.9f, 1, 0.5f},
                 {"y past 13.5", Liquid::TILE_MAP, 7, 12.6f, 0, 0.5f, 1, 13.5f},
                 {"life over", Liquid::TILE_MAP, 2, 7, -0.9f, 0, 0, NAN},
                 {"bounded update", Liquid::BOUNDARY_GRID, 2, 7, -0.9f, 0, 1, NAN},
                 {"no map", Liquid::NO_MAP, 2, 7, -0.9f, 0, 1, NAN},
                 {"map type 3 is walled", static_cast<Liquid::MapType>(3), 2, 7, -0.9f, 0, 1, 0.5f},
                 {"NaN velocity", Liquid::TILE_MAP, 2, 7, NAN, 0, 1, NAN}};
    for (const auto& c : cases) {
        LiquidWorld world(16, 15);
        const auto liquid = world.make(c.type);
        FluidParticle start = particleAt(c.x, c.y, c.u, c.v);
        start.life = c.life;
        const auto handle = addLiquid(*liquid, {start});
        liquid->simulate(2.0f);
        const FluidParticle& particle = liquid->getParticles(handle)[0];
        EXPECT_FALSE(liquid->holdsStencil(particleAt(c.x + particle.dx, c.y + particle.dy)))
            << c.what;
        if (std::isnan(c.held)) {
            EXPECT_FALSE(liquid->holdsStencil(particle)) << c.what;
        } else {
            EXPECT_EQ(c.u != 0 ? particle.x : particle.y, c.held) << c.what;
        }
    }
}
