#include "LiquidTesting.h"

#include "Fluid/MPM/Liquid.h"
#include "Support/AbortReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

using namespace Fluid::MPM;

TEST(LiquidStepTest, LoneParticleFallsAsTheClosedFormSays) {
    // A negative time step is the default one (1); a time step of 0 holds the position.
    for (const auto& [dt, used] : {std::pair(0.5f, 0.5), {-1.0f, 1.0}, {0.0f, 0.0}}) {
        LiquidWorld world(16, 64);
        const auto liquid = world.make(Liquid::NO_MAP);
        const auto handle = addLiquid(*liquid, {particleAt(8.0f, 60.0f, 0.0f, 0.1f)});
        liquid->setProperty(handle, GRAVITY_Y, -0.05f);
        simulate(*liquid, 20, dt);
        const FluidParticle& particle = liquid->getParticles(handle)[0];
        EXPECT_NEAR(particle.v, 0.1 - 0.05 * 20, 1e-5) << dt;
        EXPECT_NEAR(particle.y, 60.0 + used * (20 * 0.1 - 0.05 * 210), 1e-4) << dt;
        EXPECT_NEAR(particle.x, 8.0f, 1e-5) << dt;
    }
}

TEST(LiquidStepTest, BlockWithoutGravityKeepsItsMomentumAndParticles) {
    LiquidWorld world(40, 40);
    const auto liquid = world.make(Liquid::NO_MAP);
    std::vector<FluidParticle> particles = block(144, 12, 17.0f, 0.5f);
    double u = 0.0, v = 0.0;
    for (FluidParticle& particle : particles) {
        u += particle.u = 0.1f * world.random.getFloat() - 0.05f;
        v += particle.v = 0.1f * world.random.getFloat() - 0.05f;
    }
    const auto handle = addLiquid(*liquid, particles);
    liquid->setProperty(handle, ELASTICITY, 0.5f);
    simulate(*liquid, 50);
    ASSERT_EQ(liquid->getNumParticles(handle), 144);
    for (int k = 0; k < 144; ++k) {
        u -= liquid->getParticles(handle)[k].u;
        v -= liquid->getParticles(handle)[k].v;
    }
    EXPECT_NEAR(u, 0.0, 1e-4);
    EXPECT_NEAR(v, 0.0, 1e-4);
}

TEST(LiquidStepTest, BookkeepingRemovesExpiredParticlesGrowsDensityAndRunsFrames) {
    LiquidWorld world(16, 16);
    const auto liquid = world.make(Liquid::NO_MAP);
    std::vector<FluidParticle> particles = block(3, 3, 8.0f, 0.0f);
    particles[0].life = 0;
    particles[1].frame = particles[1].lastFrame = 4;
    particles[1].firstFrame = 2;
    particles[1].frameCountdown = particles[1].framePeriod = 3;
    particles[2].firstFrame = 20; // names the particle
    const auto handle = addLiquid(*liquid, particles);
    liquid->setProperty(handle, DENSITY, 9.5f);
    liquid->setProperty(handle, DENSITY_INC, 1.0f);
    liquid->simulate(1.0f);
    EXPECT_EQ(liquid->getParticles(handle)[0].life, -1);
    EXPECT_EQ(liquid->getProperty(handle, DENSITY), 10.0f);
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
    const auto stepWith = [](const float x) {
        LiquidWorld world(10, 6);
        const auto liquid = world.make(Liquid::TILE_MAP, 2);
        addLiquid(*liquid, {particleAt(0.7f, 5.0f), particleAt(x, 5.0f)});
        liquid->simulate(1.0f);
    };
    const char* const calcUV = "void Fluid::MPM::Liquid::calcUV(Fluid::MPM::FluidParticle*, int, "
                               "const float*, int, float)";
    EXPECT_ABORT_REPORT(stepWith(0.4f), calcUV, "CXY -1,4 i,j 0,0 w,h 40,24");
    EXPECT_ABORT_REPORT(stepWith(38.6f), calcUV, "CXY 38,4 i,j 2,0 w,h 40,24");
    EXPECT_ABORT_REPORT(stepWith(NAN), calcUV, "CXY -2147483648,4 i,j 0,0 w,h 40,24");
}

// One particle in each of two liquids, side by side: on the shared list each meets the
// other's mass and count on the grid, on the separate list neither does.
TEST(LiquidStepTest, SharedLiquidsMeetOnTheGridAndSeparateOnesDoNot) {
    for (const bool separate : {true, false}) {
        LiquidWorld world(16, 16);
        const auto liquid = world.make(Liquid::NO_MAP);
        const auto left = addLiquid(*liquid, {particleAt(8.0f, 8.0f)}, separate);
        addLiquid(*liquid, {particleAt(9.0f, 8.0f)}, separate);
        liquid->setProperty(left, COUNT_ADJACENT, 0.5f);
        liquid->simulate(1.0f);
        EXPECT_EQ(liquid->getParticles(left)[0].adjacent, separate ? 1 : 2);
        EXPECT_EQ(std::abs(liquid->getParticles(left)[0].u) > 1e-3f, !separate);
    }
}

// A simulator that has stepped other particles leaves nothing behind on its grid: a liquid
// added to it moves exactly as on a fresh one.
TEST(LiquidStepTest, UsedAndFreshSimulatorsGiveTheSameStep) {
    LiquidWorld world(24, 24);
    const auto used = world.make(Liquid::NO_MAP);
    const auto fresh = world.make(Liquid::NO_MAP);
    addLiquid(*used, {particleAt(10.0f, 10.0f), particleAt(10.5f, 10.2f, 0.1f)});
    simulate(*used, 5);
    const std::vector<FluidParticle> particles = block(3, 2, 10.2f, 0.4f);
    for (const auto& liquid : {used.get(), fresh.get()}) {
        liquid->setProperty(addLiquid(*liquid, particles), COUNT_ADJACENT, 1.0f);
        simulate(*liquid, 5);
    }
    for (int k = 0; k < 3; ++k) {
        const FluidParticle& a = used->getParticles({true, 1})[k];
        const FluidParticle& b = fresh->getParticles({true, 0})[k];
        EXPECT_FLOAT_EQ(a.x, b.x) << k;
        EXPECT_FLOAT_EQ(a.sxy, b.sxy) << k;
        EXPECT_EQ(a.adjacent, b.adjacent) << k;
    }
}

// Every bit of the particles' positions, velocities and adjacent counts after 100 steps, as a
// hash: a walled dam-break, a liquid whose shift differs from the grid's over the bounded
// update, and two liquids sharing the simulator, one thrown at the other.
TEST(LiquidStepTest, HundredStepsOfThreeScenesKeepEveryBit) {
    const struct {
        const char* scene;
        Liquid::MapType type;
        int shift;
        bool shared;
        std::uint64_t hash;
    } scenes[] = {{"walled dam-break", Liquid::TILE_MAP, 0, false, 9501805255081679993u},
                  {"shifted grid", Liquid::BOUNDARY_GRID, 1, false, 14468435012517766450u},
                  {"two shared liquids", Liquid::TILE_MAP, 0, true, 14620203677226814477u}};
    for (const auto& s : scenes) {
        LiquidWorld world(12, 12);
        world.tiles.assign(world.tiles.size(), 1u); // open inside a solid ring
        for (int row = 1; row < 11; ++row) {
            std::fill_n(world.tiles.begin() + row * 12 + 1, 10, 0u);
        }
        for (std::size_t k = 0; k < world.forces.size(); ++k) {
            world.forces[k] = {k % 3 == 0 ? -1.0f : 0.5f, k % 5 == 0 ? 1.0f : 0.0f};
        }
        const auto liquid = world.make(s.type, 2);
        const std::vector<FluidParticle> dam = block(400, 16, 4.3f, 0.5f);
        std::vector<Liquid::Handle> handles = {liquid->createLiquid(!s.shared, s.shift, 400)};
        liquid->addParticles(handles[0], dam.data(), 400);
        if (s.shared) {
            std::vector<FluidParticle> thrown = block(150, 10, 26.1f, 0.6f);
            for (FluidParticle& particle : thrown) {
                particle.u = -0.4f, particle.v = 0.2f;
            }
            handles.push_back(addLiquid(*liquid, thrown, false));
        }
        for (const Liquid::Handle& handle : handles) {
            for (const auto& [id, value] : {std::pair(GRAVITY_Y, -0.02f),
                                            {ELASTICITY, 0.4f},
                                            {VISCOSITY, 0.3f},
                                            {YIELD_RATE, 0.1f},
                                            {BOUNCE_FORCE, 0.5f},
                                            {COUNT_ADJACENT, 1.0f}}) {
                liquid->setProperty(handle, id, value);
            }
        }
        simulate(*liquid, 100);
        std::uint64_t hash = 14695981039346656037u;
        for (const Liquid::Handle& handle : handles) {
            const FluidParticle* const particles = liquid->getParticles(handle);
            for (int k = 0; k < liquid->getNumParticles(handle); ++k) {
                const FluidParticle& p = particles[k];
                for (const float value : {p.x, p.y, p.u, p.v, static_cast<float>(p.adjacent)}) {
                    std::uint32_t bits;
                    std::memcpy(&bits, &value, sizeof bits);
                    hash = (hash ^ bits) * 1099511628211u;
                }
            }
        }
        EXPECT_EQ(hash, s.hash) << s.scene;
    }
}
