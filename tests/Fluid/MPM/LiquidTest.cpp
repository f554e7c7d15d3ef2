#include "LiquidTesting.h"

#include "Fluid/MPM/FluidNode.h"
#include "Fluid/MPM/FluidPropertyStrings.h"
#include "Fluid/MPM/Liquid.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

using namespace Fluid::MPM;

// Each list numbers its liquids from 0, and a liquid takes as many particles as fit behind its
// live ones; an invalid handle reads as empty and takes nothing.
TEST(LiquidTest, HandlesNumberEachListApartAndLiquidsTakeWhatFits) {
    LiquidWorld world(4, 4, 3);
    const auto liquid = world.make(Liquid::TILE_MAP, 1);
    for (const auto& [separate, index] : {std::pair(true, 0), {true, 1}, {false, 0}}) {
        const Liquid::Handle handle = liquid->createLiquid(separate, 0, 6);
        EXPECT_EQ(std::pair(handle.separate, handle.index), std::pair(separate, index));
    }
    const std::vector<FluidParticle> particles = block(5, 5, 0.0f, 1.0f);
    for (const auto& [count, copied] : {std::pair(4, 4), {-4, 0}, {5, 2}, {1, 0}}) {
        EXPECT_EQ(liquid->addParticles({true, 1}, particles.data(), count), copied) << count;
    }
    ASSERT_EQ(liquid->getNumParticles({true, 1}), 6);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(std::as_const(*liquid).getParticles({true, 1})[k].x, k % 4) << k;
    }
    const Liquid::Handle none = liquid->createLiquid(true, 0, -3);
    EXPECT_EQ(liquid->getMaxParticles(none) + liquid->addParticles(none, particles.data(), 1), 0);
    for (const Liquid::Handle invalid : {Liquid::Handle{true, 3}, Liquid::Handle{false, -1}}) {
        liquid->setProperty(invalid, DENSITY, 5.0f);
        EXPECT_EQ(liquid->addParticles(invalid, particles.data(), 1), 0);
        EXPECT_EQ(liquid->getParticles(invalid), nullptr);
        EXPECT_EQ(liquid->getNumParticles(invalid) + liquid->getMaxParticles(invalid), 0);
        EXPECT_EQ(liquid->getProperty(invalid, DENSITY), 0.0f);
        EXPECT_EQ(liquid->getXYScale(invalid), 8);
    }
    // 2 to the map's tile shift (3) plus the liquid's shift minus the grid's (1), held to 0..31.
    for (const auto& [shift, scale] :
         {std::pair(-1, 2), {-40, 1}, {40, static_cast<int>(1u << 31)}}) {
        EXPECT_EQ(liquid->getXYScale(liquid->createLiquid(true, shift, 0)), scale) << shift;
    }
}

// Ids outside 0..11 read as 0, store nothing and are named INVALID; unknown names are id 12.
// The liquid's shift is not 0, so that a read beside its properties cannot pass for 0.
TEST(LiquidTest, PropertiesStartAtTheirDefaultsAreHeldToTheirRangeAndNamed) {
    LiquidWorld world(4, 4);
    const auto liquid = world.make(Liquid::TILE_MAP);
    const Liquid::Handle handle = liquid->createLiquid(true, 3, 1);
    const auto& names = FluidPropertyStrings::instance().mapping();
    // Ids -1 to 12.
    const float defaults[] = {0, 2.0f, 0, 1.0f, 1.0f, 0, 0.1f, 0, 0, 0, 0, 1.0f, 0, 0};
    const float maxima[] = {0, 10.0f, 1, 10.0f, 1, 1, 1, 1, 0.05f, 0.05f, 1, 50.0f, 1, 0};
    for (int id = -1; id <= NUM_PROPERTIES; ++id) {
        EXPECT_EQ(liquid->getProperty(handle, id), defaults[id + 1]) << id;
        EXPECT_EQ(liquid->getPropertyMax(id), maxima[id + 1]) << id;
        EXPECT_EQ(names.findA(names.findB(id)), id < 0 ? 12 : id) << id;
    }
    EXPECT_EQ(names.findB(0) + names.findB(11) + names.findB(12), "DENSITYCOUNT_ADJACENTINVALID");
    EXPECT_EQ(names.findA("density"), 12);
    const struct {
        int id;
        float value, stored;
    } cases[] = {{GRAVITY_X, -1.0f, -0.05f},
                 {GRAVITY_Y, -1.0f, -0.05f},
                 {DENSITY, -3.0f, 0},
                 {BOUNCE_FORCE, 80.0f, 50.0f},
                 {VISCOSITY, 0.5f, 0.5f},
                 {12, 1.0f, 0},
                 {-1, 1.0f, 0}};
    for (const auto& c : cases) {
        liquid->setProperty(handle, c.id, c.value);
        EXPECT_EQ(liquid->getProperty(handle, c.id), c.stored) << c.id;
    }
}

// Code that reaches the grid's nodes names their fields, which keep their order.
TEST(LiquidTest, NodeRecordNamesItsFieldsInOrder) {
    const FluidNode node{1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f, 8, 9};
    const std::pair<const char*, float> fields[] = {
        {"mass", node.mass}, {"gradX", node.gradX},   {"gradY", node.gradY},
        {"u", node.u},       {"v", node.v},           {"ax", node.ax},
        {"ay", node.ay},     {"active", node.active}, {"count", node.count}};
    for (std::size_t k = 0; k < std::size(fields); ++k) {
        EXPECT_EQ(fields[k].second, static_cast<float>(k + 1)) << fields[k].first;
    }
}
