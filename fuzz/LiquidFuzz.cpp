// Builds a small tile map, boundary grid and liquids from the bytes (properties, particles,
// shifts, capacities, time steps) and steps them. A particle leaving the grid ends the program
// with the abort report by design, so stepping stops as soon as a live particle's stencil
// lies off the grid: the next step would report it.
#include "Fluid/MPM/Liquid.h"
#include "RNG/RandSimple.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using namespace Fluid::MPM;

// Reads values from the bytes; past their end everything reads as 0.
class Bytes {
public:
    Bytes(const std::uint8_t* const data, const std::size_t size) : m_data(data), m_size(size) {}

    template <typename T>
    T next() {
        T value{};
        if (m_size >= sizeof(T)) {
            std::memcpy(&value, m_data, sizeof(T));
            m_data += sizeof(T);
            m_size -= sizeof(T);
        }
        return value;
    }

    // A number from 0 to limit - 1.
    int below(const int limit) { return next<std::uint8_t>() % limit; }
    // A float from low to high in 256 steps.
    float between(const float low, const float high) {
        return low + (high - low) * static_cast<float>(next<std::uint8_t>()) / 255.0f;
    }
    // Mostly a value from low to high; one read in eight is any four bytes, NaN included.
    float value(const float low, const float high) {
        return below(8) == 0 ? next<float>() : between(low, high);
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};

FluidParticle particleFrom(Bytes& bytes, const float width, const float height) {
    FluidParticle particle{};
    particle.x = bytes.value(0.0f, width);
    particle.y = bytes.value(0.0f, height);
    particle.u = bytes.value(-2.0f, 2.0f);
    particle.v = bytes.value(-2.0f, 2.0f);
    particle.sxx = bytes.value(-2.0f, 2.0f);
    particle.sxy = bytes.value(-2.0f, 2.0f);
    particle.syy = bytes.value(-2.0f, 2.0f);
    particle.fx = bytes.value(-1.0f, 1.0f);
    particle.fy = bytes.value(-1.0f, 1.0f);
    particle.life = bytes.next<std::int32_t>();
    particle.frame = bytes.next<std::int32_t>();
    particle.firstFrame = bytes.next<std::int8_t>();
    particle.lastFrame = bytes.next<std::int32_t>();
    particle.frameCountdown = bytes.next<std::int32_t>();
    particle.framePeriod = bytes.next<std::int8_t>();
    return particle;
}

// Whether the next step keeps every particle that survives its bookkeeping on the grid.
bool staysOnGrid(const Liquid& liquid, const std::vector<Liquid::Handle>& handles) {
    for (const Liquid::Handle& handle : handles) {
        const FluidParticle* const particles = liquid.getParticles(handle);
        for (int k = 0; k < liquid.getNumParticles(handle); ++k) {
            if (particles[k].life >= 0 && !liquid.holdsStencil(particles[k])) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* const data, const std::size_t size) {
    Bytes bytes(data, size);
    const int width = 1 + bytes.below(16);
    const int height = 1 + bytes.below(16);
    const int shift = bytes.below(4);
    const auto mapType = static_cast<Liquid::MapType>(bytes.below(4));
    std::vector<std::uint32_t> tiles(static_cast<std::size_t>(width * height));
    for (std::uint32_t& tile : tiles) {
        tile = bytes.below(4) == 0 ? 1u : 0u;
    }
    const Map::TileMap map{tiles.data(), width, height, bytes.below(40) - 4, 1u};
    // The boundary grid may be smaller or larger than the node grid.
    const int boundaryWidth = bytes.below(140);
    const int boundaryHeight = bytes.below(140);
    std::vector<BoundaryForceGrid::Force> forces(
        static_cast<std::size_t>(boundaryWidth * boundaryHeight));
    for (BoundaryForceGrid::Force& force : forces) {
        force = BoundaryForceGrid::Force{bytes.between(-1.0f, 1.0f), bytes.between(-1.0f, 1.0f)};
    }
    const BoundaryForceGrid boundary{forces.data(), boundaryWidth, boundaryHeight};
    RNG::RandSimple random(bytes.next<std::uint32_t>());
    Liquid liquid(&map, &boundary, shift, bytes.value(0.0f, 2.0f), mapType, &random);

    const auto nodesWide = static_cast<float>(width << shift);
    const auto nodesHigh = static_cast<float>(height << shift);
    std::vector<Liquid::Handle> handles;
    for (int liquids = 1 + bytes.below(3); liquids > 0; --liquids) {
        const bool separate = bytes.below(2) == 0;
        const int liquidShift = bytes.next<std::int8_t>();
        const Liquid::Handle handle =
            liquid.createLiquid(separate, liquidShift, bytes.below(40) - 4);
        for (int id = -1; id <= NUM_PROPERTIES; ++id) {
            liquid.setProperty(handle, id, bytes.value(-2.0f, 12.0f));
        }
        std::vector<FluidParticle> particles(static_cast<std::size_t>(bytes.below(40)));
        for (FluidParticle& particle : particles) {
            particle = particleFrom(bytes, nodesWide, nodesHigh);
        }
        liquid.addParticles(handle, particles.data(),
                            static_cast<int>(particles.size()) - bytes.below(3));
        handles.push_back(handle);
    }
    for (int steps = bytes.below(64); steps > 0 && staysOnGrid(liquid, handles); --steps) {
        liquid.simulate(bytes.value(-1.0f, 2.0f));
    }
    return 0;
}
