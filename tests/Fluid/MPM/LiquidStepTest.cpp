#include "LiquidTesting.h"

#include "Fluid/MPM/Liquid.h"
#include "Support/AbortReport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

using namespace Fluid::MPM;

TEST(LiquidStepTest, BookkeepingRemovesExpiredParticlesGrowsDensityAndRunsFrames) {
    LiquidWorld world(16, 16);
    const auto liquid = world.make(Liquid::NO_MAP);
    std::vector<FluidParticle> particles = block(3, 3, 8.0f, 0.0f);
    particles[0].life = 0;
    particles[1].frame = particles[1].lastFrame = 4;
    particles[1].firstFrame = 2;
    particles[1].frameCountdown = particles[1].framePeriod = 3;
    particles[2].firstFrame = 20;                     // names the particle
    particles[2].sxx = 2.0f, particles[2].syy = 1.0f; // a deformation of size 5, the limit
    const auto handle = addLiquid(*liquid, particles);
    liquid->setProperty(handle, DENSITY, 9.5f);
    liquid->setProperty(handle, DENSITY_INC, 1.0f);
    liquid->simulate(1.0f);
    EXPECT_EQ(liquid->getParticles(handle)[0].life, -1);
    EXPECT_EQ(liquid->getProperty(handle, DENSITY), 10.0f);
    EXPECT_EQ(liquid->getParticles(handle)[2].sxx, 2.0f) << "a deformation at the limit is kept";
    liquid->simulate(1.0f);
    ASSERT_EQ(liquid->getNumParticles(handle), 2);
    EXPECT_EQ(liquid->getParticles(handle)[0].firstFrame, 20) << "the last moved into the gap";
    EXPECT_EQ(liquid->getParticles(handle)[0].life, 1000000 - 2);
    // The framed particle, still in slot 1, advances on steps 5 and 10, wrapping from 4 to 2.
    for (const int frame : {4, 4, 2, 2, 2, 2, 2, 3, 3, 3}) {
        liquid->simulate(1.0f);
        EXPECT_EQ(liquid->getParticles(handle)[1].frame, frame);
    }
}

TEST(LiquidStepDeathTest, ParticleWhoseStencilLeavesTheGridEndsTheProgram) {
    // A map of no tiles makes a grid of no nodes.
    const auto stepWith = [](const int tiles, const float x, const float y) {
        LiquidWorld world(tiles, 6);
        const auto liquid = world.make(Liquid::TILE_MAP, 2);
        addLiquid(*liquid, {particleAt(0.7f, 5.0f), particleAt(x, y)});
        liquid->simulate(1.0f);
    };
    const char* const calcUV = "void Fluid::MPM::Liquid::calcUV(Fluid::MPM::FluidParticle*, int, "
                               "const float*, int, float)";
    EXPECT_ABORT_REPORT(stepWith(10, 0.4f, 5.0f), calcUV, "CXY -1,4 i,j 0,0 w,h 40,24");
    EXPECT_ABORT_REPORT(stepWith(10, 38.6f, 5.0f), calcUV, "CXY 38,4 i,j 2,0 w,h 40,24");
    EXPECT_ABORT_REPORT(stepWith(10, 5.0f, 23.4f), calcUV, "CXY 4,22 i,j 0,2 w,h 40,24");
    EXPECT_ABORT_REPORT(stepWith(10, 0.7f, 23.4f), calcUV, "CXY 0,22 i,j 0,2 w,h 40,24");
    EXPECT_ABORT_REPORT(stepWith(10, NAN, 5.0f), calcUV, "CXY -2147483648,4 i,j 0,0 w,h 40,24");
    EXPECT_ABORT_REPORT(stepWith(10, 3e9f, 5.0f), calcUV, "CXY 2147483647,4 i,j 0,0 w,h 40,24");
    EXPECT_ABORT_REPORT(stepWith(0, 5.0f, 5.0f), calcUV, "CXY 0,4 i,j 0,0 w,h 0,24");
}

// A block falling onto the floor of a box without a solid border, where the walls alone keep it
// in: none of its particles that stays in the liquid leaves the grid with its stencil.
TEST(LiquidStepTest, WalledDamBreakWithoutABorderKeepsEveryStencilOnTheGrid) {
    LiquidWorld world(40, 32);
    const auto liquid = world.make(Liquid::TILE_MAP);
    const auto handle = addLiquid(*liquid, block(400, 20, 3.0f, 0.5f));
    liquid->setProperty(handle, GRAVITY_Y, -0.05f);
    for (int step = 0; step < 300; ++step) {
        liquid->simulate(1.0f);
        for (int k = 0; k < liquid->getNumParticles(handle); ++k) {
            const FluidParticle& particle = liquid->getParticles(handle)[k];
            ASSERT_TRUE(particle.life < 0 || liquid->holdsStencil(particle)) << step << " " << k;
        }
    }
}

// One particle in each of two liquids, the left one moving right: it meets the other's mass
// and count on the grid only on the shared list and close by (not at the top of one column and
// the bottom of the next), where the pressure of the density there and the bulk viscosity of
// their approach pull on it. A negative time step is the default (1); one of 0 holds positions.
TEST(LiquidStepTest, LiquidsMeetOnTheGridOnlyOnTheSharedListAndCloseBy) {
    const struct {
        const char* what;
        bool separate;
        float leftY, rightY, dt;
        int adjacent;
        float u, x;
    } cases[] = {{"separate lists", true, 8.6f, 8.4f, 0.5f, 1, 0.1f, 8.35f},
                 {"far apart", false, 62.4f, 1.2f, -1.0f, 1, 0.1f, 8.4f},
                 {"close by", false, 8.6f, 8.4f, 0.0f, 2, 1.349467f, 8.3f}};
    for (const auto& c : cases) {
        LiquidWorld world(16, 64);
        const auto liquid = world.make(Liquid::NO_MAP);
        const auto left = addLiquid(*liquid, {particleAt(8.3f, c.leftY, 0.1f)}, c.separate);
        addLiquid(*liquid, {particleAt(9.2f, c.rightY)}, c.separate);
        liquid->setProperty(left, COUNT_ADJACENT, 0.5f);
        liquid->setProperty(left, STIFFNESS, 3.0f);
        liquid->setProperty(left, BULK_VISCOSITY, 0.5f);
        liquid->simulate(c.dt);
        const FluidParticle& particle = liquid->getParticles(left)[0];
        EXPECT_EQ(particle.adjacent, c.adjacent) << c.what;
        EXPECT_NEAR(particle.u, c.u, 1e-6) << c.what;
        EXPECT_NEAR(particle.x, c.x, 1e-6) << c.what;
    }
}

// Every bit of the particles' positions, velocities and adjacent counts after 100 steps, as a
// hash: a walled dam-break, a liquid whose shift differs from the grid's over the bounded
// update, and two liquids sharing the simulator, one thrown at the other.
TEST(LiquidStepTest, HundredStepsOfThreeScenesKeepEveryBit) {
    const std::pair<FluidProperty, float> properties[] = {
        {GRAVITY_Y, -0.02f}, {ELASTICITY, 0.4f},   {VISCOSITY, 0.3f},
        {YIELD_RATE, 0.1f},  {BOUNCE_FORCE, 0.5f}, {COUNT_ADJACENT, 1.0f}};
    for (const auto& [scene, type, shift, shared, expected] :
         {std::tuple("walled dam-break", Liquid::TILE_MAP, 0, false, 9501805255081679993u),
          {"shifted grid", Liquid::BOUNDARY_GRID, 1, false, 14468435012517766450u},
          {"two shared liquids", Liquid::TILE_MAP, 0, true, 14620203677226814477u}}) {
        LiquidWorld world(12, 12);
        for (std::size_t k = 0; k < 144; ++k) {
            world.tiles[k] = k % 12 % 11 == 0 || k / 12 % 11 == 0 ? 1u : 0u; // a solid ring
            world.forces[k] = {k % 3 == 0 ? -1.0f : 0.5f, k % 5 == 0 ? 1.0f : 0.0f};
        }
        const auto liquid = world.make(type, 2);
        // The second handle names nothing unless the liquids are shared.
        const Liquid::Handle handles[] = {liquid->createLiquid(!shared, shift, 400), {false, 1}};
        liquid->addParticles(handles[0], block(400, 16, 4.3f, 0.5f).data(), 400);
        if (shared) {
            addLiquid(*liquid, block(150, 10, 26.1f, 0.6f, -0.4f, 0.2f), false);
        }
        for (const auto& [id, value] : properties) {
            liquid->setProperty(handles[0], id, value);
            liquid->setProperty(handles[1], id, value);
        }
        for (int step = 0; step < 100; ++step) {
            liquid->simulate(1.0f);
        }
        std::uint64_t hash = 14695981039346656037u;
        for (const Liquid::Handle& handle : handles) {
            for (int k = 0; k < liquid->getNumParticles(handle); ++k) {
                const FluidParticle& p = liquid->getParticles(handle)[k];
                for (const float value : {p.x, p.y, p.u, p.v, static_cast<float>(p.adjacent)}) {
                    std::uint32_t bits;
                    std::memcpy(&bits, &value, sizeof bits);
                    hash = (hash ^ bits) * 1099511628211u;
                }
            }
        }
        EXPECT_EQ(hash, expected) << scene;
    }
}
