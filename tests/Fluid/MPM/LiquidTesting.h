#pragma once

#include "Fluid/MPM/Liquid.h"
#include "RNG/RandSimple.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace Fluid::MPM {

// A tile map of open tiles and a boundary grid of no force, which tests may change, and the
// random source of the simulators it makes (by default one seeded with 7).
struct LiquidWorld {
    LiquidWorld(const int width, const int height, const int tileShift = 0)
        : tiles(static_cast<std::size_t>(width * height), 0u),
          forces(static_cast<std::size_t>(width * height), BoundaryForceGrid::Force{}),
          map{tiles.data(), width, height, tileShift, 1u}, boundary{forces.data(), width, height} {}

    std::unique_ptr<Liquid> make(const Liquid::MapType type, const int shift = 0) {
        return std::make_unique<Liquid>(&map, &boundary, shift, 1.0f, type, source);
    }

    std::vector<std::uint32_t> tiles;
    std::vector<BoundaryForceGrid::Force> forces;
    Map::TileMap map;
    BoundaryForceGrid boundary;
    RNG::RandSimple random{7};
    RNG::I_Random* source = &random;
};

inline FluidParticle particleAt(const float x, const float y, const float u = 0.0f,
                                const float v = 0.0f) {
    FluidParticle particle{};
    particle.x = x, particle.y = y, particle.u = u, particle.v = v;
    particle.life = 1000000;
    return particle;
}

// count particles moving at (u, v) in rows of perRow from the corner, spacing apart.
inline std::vector<FluidParticle> block(const int count, const int perRow, const float corner,
                                        const float spacing, const float u = 0.0f,
                                        const float v = 0.0f) {
    // The offset is the float product, rounded before the corner is added, also where the
    // processor has a fused multiply-add: g++ 12 at -O2 fuses a float product into a float sum
    // even across statements. A float times an int this small is exact in double, so its one
    // rounding to float gives the float product, and no instruction fuses a double product
    // into a float sum.
    const auto offset = [spacing](const int n) {
        return static_cast<float>(static_cast<double>(spacing) * n);
    };
    std::vector<FluidParticle> particles;
    for (int k = 0; k < count; ++k) {
        particles.push_back(
            particleAt(corner + offset(k % perRow), corner + offset(k / perRow), u, v));
    }
    return particles;
}

// A liquid of the given particles on the separate list, or on the shared one.
inline Liquid::Handle addLiquid(Liquid& liquid, const std::vector<FluidParticle>& particles,
                                const bool separate = true) {
    const auto handle = liquid.createLiquid(separate, 0, static_cast<int>(particles.size()));
    liquid.addParticles(handle, particles.data(), static_cast<int>(particles.size()));
    return handle;
}

} // namespace Fluid::MPM
