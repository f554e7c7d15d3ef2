#include "LiquidTesting.h"

#include "Fluid/MPM/Liquid.h"
#include "Support/AbortReport.h"
#include "Support/HeapCounter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

using namespace Fluid::MPM;

namespace {

const FluidParticle& first(const Liquid& liquid, const Liquid::Handle& handle) {
    return liquid.getParticles(handle)[0];
}

} // namespace

TEST(LiquidStepTest, LoneParticleFallsAsTheClosedFormSays) {
    struct Case {
        float dt, effectiveDt;
    } const cases[] = {{0.5f, 0.5f}, {1.0f, 1.0f}, {-1.0f, 1.0f}};
    for (const Case& c : cases) {
        LiquidWorld world(16, 64);
        const auto liquid = world.make(Liquid::NO_MAP);
        const auto handle = addLiquid(*liquid, {particleAt(8.0f, 60.0f, 0.0f, 0.1f)});
        liquid->setProperty(handle, GRAVITY_Y, -0.05f);
        const int steps = 20;
        for (int k = 0; k < steps; ++k) {
            liquid->simulate(c.dt);
        }
        const FluidParticle& particle = first(*liquid, handle);
        const double fallen = steps * 0.1 - 0.05 * steps * (steps + 1) / 2.0;
        EXPECT_NEAR(particle.v, 0.1 - 0.05 * steps, 1e-5) << c.dt;
        EXPECT_NEAR(particle.y, 60.0 + c.effectiveDt * fallen, 1e-4) << c.dt;
        EXPECT_NEAR(particle.x, 8.0f, 1e-5) << c.dt;
    }
}

TEST(LiquidStepTest, ZeroTimeStepHoldsThePositionAndSmoothsTheVelocityTowardZero) {
    LiquidWorld world(16, 16);
    const auto liquid = world.make(Liquid::NO_MAP);
    const auto handle = addLiquid(*liquid, {particleAt(8.0f, 8.0f, 0.4f, 0.0f)});
    liquid->setProperty(handle, SMOOTHING, 0.5f);
    liquid->simulate(0.0f);
    EXPECT_EQ(first(*liquid, handle).x, 8.0f);
    EXPECT_NEAR(first(*liquid, handle).u, 0.2f, 1e-6);
}

TEST(LiquidStepTest, BlockWithoutGravityKeepsItsMomentumAndParticles) {
    LiquidWorld world(40, 40);
    const auto liquid = world.make(Liquid::NO_MAP);
    std::vector<FluidParticle> block;
    for (int k = 0; k < 144; ++k) {
        block.push_back(particleAt(
            17.0f + 0.5f * static_cast<float>(k % 12), 17.0f + 0.5f * static_cast<float>(k / 12),
            0.1f * world.random.getFloat() - 0.05f, 0.1f * world.random.getFloat() - 0.05f));
    }
    const auto handle = addLiquid(*liquid, block);
    liquid->setProperty(handle, ELASTICITY, 0.5f);
    const auto momentum = [&] {
        double u = 0.0, v = 0.0;
        for (int k = 0; k < liquid->getNumParticles(handle); ++k) {
            u += liquid->getParticles(handle)[k].u;
            v += liquid->getParticles(handle)[k].v;
        }
        return std::make_pair(u, v);
    };
    const auto before = momentum();
    for (int k = 0; k < 50; ++k) {
        liquid->simulate(1.0f);
    }
    EXPECT_EQ(liquid->getNumParticles(handle), 144);
    EXPECT_NEAR(momentum().first, before.first, 1e-4);
    EXPECT_NEAR(momentum().second, before.second, 1e-4);
}

TEST(LiquidStepTest, BookkeepingRemovesExpiredParticlesGrowsDensityAndRunsFrames) {
    LiquidWorld world(16, 16);
    const auto liquid = world.make(Liquid::NO_MAP);
    std::vector<FluidParticle> particles(3, particleAt(8.0f, 8.0f));
    for (int k = 0; k < 3; ++k) {
        particles[static_cast<std::size_t>(k)].firstFrame = 10 * k; // names the particle
    }
    particles[0].life = 0;
    particles[1].frame = particles[1].lastFrame = 4;
    particles[1].firstFrame = 2;
    particles[1].frameCountdown = particles[1].framePeriod = 3;
    const auto handle = addLiquid(*liquid, particles);
    liquid->setProperty(handle, DENSITY, 9.5f);
    liquid->setProperty(handle, DENSITY_INC, 1.0f);

    liquid->simulate(1.0f);
    EXPECT_EQ(liquid->getNumParticles(handle), 3);
    EXPECT_EQ(first(*liquid, handle).life, -1);
    EXPECT_EQ(liquid->getProperty(handle, DENSITY), 10.0f);
    liquid->simulate(1.0f);
    ASSERT_EQ(liquid->getNumParticles(handle), 2);
    EXPECT_EQ(first(*liquid, handle).firstFrame, 20);
    EXPECT_EQ(liquid->getParticles(handle)[0].life, 1000000 - 2);

    // The framed particle, now in slot 1, advances on steps 5 and 10, wrapping from 4 to 2.
    const int frames[] = {4, 4, 2, 2, 2, 2, 2, 3, 3, 3};
    for (int step = 3; step <= 12; ++step) {
        liquid->simulate(1.0f);
        EXPECT_EQ(liquid->getParticles(handle)[1].frame, frames[step - 3]) << step;
    }
}

TEST(LiquidStepTest, StencilStartsRoundHalfToEvenWithBSplineWeights) {
    struct Case {
        float x;
        int cx;
        float wx[3], gx[3];
    } const cases[] = {{5.0f, 4, {0.125f, 0.75f, 0.125f}, {0.5f, 0.0f, -0.5f}},
                       {1.5f, 0, {0.0f, 0.5f, 0.5f}, {0.0f, 1.0f, -1.0f}},
                       {2.5f, 2, {0.5f, 0.5f, 0.0f}, {1.0f, -1.0f, 0.0f}},
                       {3.7f, 3, {0.32f, 0.66f, 0.02f}, {0.8f, -0.6f, -0.2f}}};
    for (const Case& c : cases) {
        LiquidWorld world(8, 8);
        const auto liquid = world.make(Liquid::NO_MAP);
        const auto handle = addLiquid(*liquid, {particleAt(c.x, 4.0f)});
        liquid->simulate(1.0f);
        const FluidParticle& particle = first(*liquid, handle);
        EXPECT_EQ(particle.cx, c.cx) << c.x;
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(particle.wx[i], c.wx[i], 1e-5) << c.x << " " << i;
            EXPECT_NEAR(particle.gx[i], c.gx[i], 1e-5) << c.x << " " << i;
        }
    }
}

TEST(LiquidStepDeathTest, ParticleWhoseStencilLeavesTheGridEndsTheProgram) {
    const auto stepWith = [](const float x) {
        LiquidWorld world(10, 6);
        const auto liquid = world.make(Liquid::TILE_MAP, 2);
        addLiquid(*liquid, {particleAt(5.0f, 5.0f), particleAt(x, 5.0f)});
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
        const auto right = addLiquid(*liquid, {particleAt(9.0f, 8.0f)}, separate);
        liquid->setProperty(left, COUNT_ADJACENT, 0.5f);
        liquid->simulate(1.0f);
        EXPECT_EQ(first(*liquid, left).adjacent, separate ? 1 : 2);
        EXPECT_EQ(first(*liquid, right).adjacent, 0) << "counting is off for this liquid";
        if (separate) {
            EXPECT_NEAR(first(*liquid, left).u, 0.0f, 1e-6);
        } else {
            EXPECT_GT(std::abs(first(*liquid, left).u), 1e-3);
        }
    }
}

// A simulator that has stepped other particles leaves nothing on its grid behind: a liquid
// added to it moves exactly as it does on a fresh one.
TEST(LiquidStepTest, UsedAndFreshSimulatorsGiveTheSameStep) {
    LiquidWorld world(24, 24);
    const auto used = world.make(Liquid::NO_MAP);
    const auto fresh = world.make(Liquid::NO_MAP);
    addLiquid(*used, {particleAt(10.0f, 10.0f), particleAt(10.5f, 10.2f, 0.1f)});
    for (int k = 0; k < 5; ++k) {
        used->simulate(1.0f);
    }
    const std::vector<FluidParticle> block = {particleAt(10.2f, 10.0f, 0.05f),
                                              particleAt(10.6f, 10.4f), particleAt(11.0f, 10.1f)};
    const auto inUsed = addLiquid(*used, block);
    const auto inFresh = addLiquid(*fresh, block);
    for (const auto& [liquid, handle] :
         {std::pair(used.get(), inUsed), std::pair(fresh.get(), inFresh)}) {
        liquid->setProperty(handle, COUNT_ADJACENT, 1.0f);
        for (int k = 0; k < 5; ++k) {
            liquid->simulate(1.0f);
        }
    }
    for (int k = 0; k < 3; ++k) {
        const FluidParticle& a = used->getParticles(inUsed)[k];
        const FluidParticle& b = fresh->getParticles(inFresh)[k];
        EXPECT_FLOAT_EQ(a.x, b.x) << k;
        EXPECT_FLOAT_EQ(a.v, b.v) << k;
        EXPECT_FLOAT_EQ(a.sxy, b.sxy) << k;
        EXPECT_EQ(a.adjacent, b.adjacent) << k;
    }
}

TEST(LiquidStepTest, StepsAllocateNothing) {
    LiquidWorld world(32, 32);
    const auto liquid = world.make(Liquid::TILE_MAP);
    std::vector<FluidParticle> blocks[2];
    for (int k = 0; k < 400; ++k) {
        const float x = 4.0f + 0.7f * static_cast<float>(k % 20);
        const float y = 4.0f + 0.7f * static_cast<float>(k / 20);
        blocks[k % 2].push_back(particleAt(x, y));
    }
    addLiquid(*liquid, blocks[0]);
    addLiquid(*liquid, blocks[0], false);
    addLiquid(*liquid, blocks[1], false);
    const std::size_t before = HeapCounter::s_allocations;
    for (int k = 0; k < 20; ++k) {
        liquid->simulate(1.0f);
    }
    EXPECT_EQ(HeapCounter::s_allocations, before);
}
