// The liquid simulator's step, single-threaded: 100 steps of 10,000 or 100,000 particles on
// grids of 64², 512² and 2048² nodes, reported in ns per particle-step, with the heap
// allocations of the steps. Particles are held in a box of tiles with a solid border and fall
// under a light gravity. Dense particles fill a 40 by 40 node block inside a 48 by 48 node box
// at the grid's centre on every grid, so the three grids do the same work and differ only in
// size; scattered particles spread over a box as large as the grid. There is no peer.

#include "Fluid/MPM/Liquid.h"
#include "RNG/RandSimple.h"
#include "Support/HeapCounter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

using namespace Fluid::MPM;

constexpr int kSteps = 100;
constexpr int kTileShift = 3; // eight nodes per tile
constexpr int kBoxTiles = 6;  // the dense box, inside its border
constexpr float kBlockSide = 40.0f;

// A map of solid tiles open inside a square box of the given side in tiles, centred, its
// boundary grid and a simulator over them. A particle that enters a solid tile is removed
// before it can reach the grid's edge.
struct Scene {
    Scene(const int nodes, const int boxTiles)
        : tiles(box(nodes >> kTileShift, boxTiles)),
          map{tiles.data(), nodes >> kTileShift, nodes >> kTileShift, 0, 1u}, boundary{},
          liquid(&map, &boundary, kTileShift, 1.0f, Liquid::TILE_MAP, &random) {}

    static std::vector<std::uint32_t> box(const int side, const int boxTiles) {
        std::vector<std::uint32_t> tiles(static_cast<std::size_t>(side * side), 1u);
        const int first = (side - boxTiles) / 2;
        for (int row = first; row < first + boxTiles; ++row) {
            std::fill_n(tiles.begin() + row * side + first, boxTiles, 0u);
        }
        return tiles;
    }

    std::vector<std::uint32_t> tiles;
    Map::TileMap map;
    BoundaryForceGrid boundary;
    RNG::RandSimple random{1};
    Liquid liquid;
};

// count particles on a square lattice over a square of the given side from the corner, each
// moved by up to a quarter of the spacing, listed column by column as the grid keeps its nodes.
std::vector<FluidParticle> lattice(const int count, const float corner, const float side) {
    const int perRow = static_cast<int>(std::ceil(std::sqrt(static_cast<float>(count))));
    const float spacing = side / static_cast<float>(perRow);
    RNG::RandSimple jitter(2);
    std::vector<FluidParticle> particles(static_cast<std::size_t>(count), FluidParticle{});
    for (int k = 0; k < count; ++k) {
        FluidParticle& particle = particles[static_cast<std::size_t>(k)];
        particle.x = corner + spacing * (static_cast<float>(k / perRow) + jitter.getFloat() * 0.5f);
        particle.y = corner + spacing * (static_cast<float>(k % perRow) + jitter.getFloat() * 0.5f);
        particle.life = kSteps + 1;
    }
    return particles;
}

// Arguments: particles, nodes along each side of the grid, scattered (1) or dense (0).
void BM_LiquidStep(benchmark::State& state) {
    const auto count = static_cast<int>(state.range(0));
    const auto nodes = static_cast<int>(state.range(1));
    const bool scattered = state.range(2) != 0;
    const int boxTiles = scattered ? (nodes >> kTileShift) - 2 : kBoxTiles;
    const float side = scattered ? static_cast<float>(boxTiles << kTileShift) - 4.0f : kBlockSide;
    const std::vector<FluidParticle> particles =
        lattice(count, (static_cast<float>(nodes) - side) / 2.0f, side);
    std::size_t allocations = 0;
    std::size_t left = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto scene = std::make_unique<Scene>(nodes, boxTiles);
        const Liquid::Handle handle = scene->liquid.createLiquid(true, 0, count);
        scene->liquid.addParticles(handle, particles.data(), count);
        scene->liquid.setProperty(handle, GRAVITY_Y, -0.01f);
        const std::size_t before = HeapCounter::s_allocations;
        state.ResumeTiming();
        for (int step = 0; step < kSteps; ++step) {
            scene->liquid.simulate(1.0f);
        }
        state.PauseTiming();
        allocations += HeapCounter::s_allocations - before;
        left += static_cast<std::size_t>(scene->liquid.getNumParticles(handle));
        state.ResumeTiming();
    }
    state.counters["time_per_particle_step"] = benchmark::Counter(
        static_cast<double>(count) * kSteps,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    // Particles that entered a solid tile are gone by the end; the time is per particle given.
    state.counters["particles_left"] =
        benchmark::Counter(static_cast<double>(left), benchmark::Counter::kAvgIterations);
    state.counters["allocs_per_step"] = benchmark::Counter(
        static_cast<double>(allocations) / kSteps, benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_LiquidStep)
    ->ArgNames({"particles", "nodes", "scattered"})
    ->ArgsProduct({{10000, 100000}, {64, 512, 2048}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

} // namespace
