#pragma once

#include "Fluid/MPM/Liquid.h"
#include "RNG/RandSimple.h"

#include <cstdint>
#include <memory>
#include <vector>

// A tile map of open tiles that tests can make solid, a boundary grid of no force, and
// particles placed by position and velocity.
struct LiquidWorld {
    LiquidWorld(const int width, const int height, const int tileShift = 0)
        : tiles(static_cast<std::size_t>(width * height), 0u),
          forces(static_cast<std::size_t>(width * height), Fluid::MPM::BoundaryForceGrid::Force{}),
          map{tiles.data(), width, height, tileShift, 1u}, boundary{forces.data(), width, height} {}

    std::unique_ptr<Fluid::MPM::Liquid> make(const Fluid::MPM::Liquid::MapType type,
                                             const int shift = 0) {
        return std::make_unique<Fluid::MPM::Liquid>(&map, &boundary, shift, 1.0f, type, &random);
    }

    void setSolid(const int column, const int row) {
        tiles[static_cast<std::size_t>(row * map.width + column)] = 1u;
    }

    std::vector<std::uint32_t> tiles;
    std::vector<Fluid::MPM::BoundaryForceGrid::Force> forces;
    Map::TileMap map;
    Fluid::MPM::BoundaryForceGrid boundary;
    RNG::RandSimple random{7};
};

inline Fluid::MPM::FluidParticle particleAt(const float x, const float y, const float u = 0.0f,
                                            const float v = 0.0f) {
    Fluid::MPM::FluidParticle particle{};
    particle.x = x, particle.y = y, particle.u = u, particle.v = v;
    particle.life = 1000000;
    return particle;
}

// count resting particles in rows of perRow from the corner, spacing apart.
inline std::vector<Fluid::MPM::FluidParticle> block(const int count, const int perRow,
                                                    const float corner, const float spacing) {
    std::vector<Fluid::MPM::FluidParticle> particles;
    for (int k = 0; k < count; ++k) {
        particles.push_back(particleAt(corner + spacing * static_cast<float>(k % perRow),
                                       corner + spacing * static_cast<float>(k / perRow)));
    }
    return particles;
}

// A liquid of the given particles on the separate list, or on the shared one.
inline Fluid::MPM::Liquid::Handle addLiquid(Fluid::MPM::Liquid& liquid,
                                            const std::vector<Fluid::MPM::FluidParticle>& particles,
                                            const bool separate = true) {
    const auto handle = liquid.createLiquid(separate, 0, static_cast<int>(particles.size()));
    liquid.addParticles(handle, particles.data(), static_cast<int>(particles.size()));
    return handle;
}

inline void simulate(Fluid::MPM::Liquid& liquid, const int steps, const float dt = 1.0f) {
    for (int k = 0; k < steps; ++k) {
        liquid.simulate(dt);
    }
}
