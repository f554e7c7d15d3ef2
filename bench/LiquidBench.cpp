// The liquid simulator's step, single-threaded, beside its floor: 100 steps of 10,000 or
// 100,000 particles on grids of 64², 512² and 2048² nodes, reported in ns per particle-step,
// with the heap allocations of the steps. Particles are held in a box of tiles with a solid
// border and fall under a light gravity. Dense particles fill a 40 by 40 node block inside a
// 48 by 48 node box at the grid's centre on every grid, so the three grids do the same work and
// differ only in size; scattered particles spread over a box as large as the grid.
// The floor is the least any such step must do, written plainly: every round, one scatter of
// each particle's mass and momentum onto its 3 by 3 node stencil with the same quadratic
// weights and one gather of the grid's velocity back. Its grid is not cleared between rounds,
// which the step must do.
// It computes no result of the step's, so there is nothing to compare before timing; the step's
// results are pinned by its tests. Each iteration times 100 steps and 100 floor rounds of the
// same particles on the same grid, a step and a round in turn, in alternating order, on the
// thread's CPU clock, so that the ratio step/floor compares runs under the same load.

#include "BenchSizes.h"
#include "Fluid/MPM/Liquid.h"
#include "RNG/RandSimple.h"
#include "SecondsOf.h"
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

// One node of the floor's grid: mass, then momentum.
struct FloorNode {
    float mass, u, v;
};

// The floor's grid: nodes by nodes, node (i, j) at i * nodes + j, as the simulator's columns.
class Floor {
public:
    explicit Floor(const int nodes)
        : m_nodes(nodes), m_grid(static_cast<std::size_t>(nodes * nodes)) {}

    void round(std::vector<FluidParticle>& particles) {
        for (const FluidParticle& particle : particles) {
            const float u = particle.u;
            const float v = particle.v;
            forStencil(particle, [&](FloorNode& node, const float w) {
                node.mass += w;
                node.u += w * u;
                node.v += w * v;
            });
        }
        for (FluidParticle& particle : particles) {
            float mass = 0.0f, u = 0.0f, v = 0.0f;
            forStencil(particle, [&](const FloorNode& node, const float w) {
                mass += w * node.mass;
                u += w * node.u;
                v += w * node.v;
            });
            particle.u = u / mass;
            particle.v = v / mass;
        }
    }

private:
    // The first stencil node along an axis and the quadratic B-spline weights of the three.
    static int weights(const float coordinate, float* const w) {
        const auto first = static_cast<int>(coordinate - 0.5f);
        const float d = coordinate - static_cast<float>(first);
        w[0] = 0.5f * (1.5f - d) * (1.5f - d);
        w[1] = 0.75f - (d - 1.0f) * (d - 1.0f);
        w[2] = 0.5f * (d - 0.5f) * (d - 0.5f);
        return first;
    }

    template <typename Visit>
    void forStencil(const FluidParticle& particle, const Visit& visit) {
        float wx[3], wy[3];
        const int i0 = weights(particle.x, wx);
        const int j0 = weights(particle.y, wy);
        FloorNode* const origin = &m_grid[static_cast<std::size_t>(i0 * m_nodes + j0)];
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                visit(origin[i * m_nodes + j], wx[i] * wy[j]);
            }
        }
    }

    int m_nodes;
    std::vector<FloorNode> m_grid;
};

// Arguments: particles, nodes along each side of the grid, scattered (1) or dense (0).
void BM_LiquidStep(benchmark::State& state) {
    const auto count = static_cast<int>(state.range(0));
    const auto nodes = static_cast<int>(state.range(1));
    const bool scattered = state.range(2) != 0;
    const int boxTiles = scattered ? (nodes >> kTileShift) - 2 : kBoxTiles;
    const float side = scattered ? static_cast<float>(boxTiles << kTileShift) - 4.0f : kBlockSide;
    const std::vector<FluidParticle> particles =
        lattice(count, (static_cast<float>(nodes) - side) / 2.0f, side);
    double seconds[2] = {};
    std::size_t allocations = 0;
    std::size_t left = 0;
    bool floorFirst = false;
    for (auto _ : state) {
        const auto scene = std::make_unique<Scene>(nodes, boxTiles);
        const Liquid::Handle handle = scene->liquid.createLiquid(true, 0, count);
        scene->liquid.addParticles(handle, particles.data(), count);
        scene->liquid.setProperty(handle, GRAVITY_Y, -0.01f);
        Floor floor(nodes);
        std::vector<FluidParticle> floorParticles = particles;
        std::size_t stepAllocations = 0;
        for (int step = 0; step < kSteps; ++step) {
            for (const bool isFloor : {floorFirst, !floorFirst}) {
                const std::size_t before = HeapCounter::s_allocations;
                seconds[isFloor] += cpuSecondsOf([&] {
                    if (isFloor) {
                        floor.round(floorParticles);
                    } else {
                        scene->liquid.simulate(1.0f);
                    }
                });
                stepAllocations += isFloor ? 0 : HeapCounter::s_allocations - before;
            }
            floorFirst = !floorFirst;
        }
        allocations += stepAllocations;
        left += static_cast<std::size_t>(scene->liquid.getNumParticles(handle));
        benchmark::DoNotOptimize(floorParticles.data());
    }
    const double particleSteps = static_cast<double>(count) * kSteps;
    const auto nanoseconds = [&](const bool isFloor) {
        return benchmark::Counter(1e9 * seconds[isFloor] / particleSteps,
                                  benchmark::Counter::kAvgIterations);
    };
    state.counters["step_ns"] = nanoseconds(false);
    state.counters["floor_ns"] = nanoseconds(true);
    state.counters["step/floor"] = seconds[false] / seconds[true];
    // Particles that entered a solid tile are gone by the end; the time is per particle given.
    state.counters["particles_left"] =
        benchmark::Counter(static_cast<double>(left), benchmark::Counter::kAvgIterations);
    state.counters["allocs_per_step"] = benchmark::Counter(
        static_cast<double>(allocations) / kSteps, benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_LiquidStep)
    ->ArgNames({"particles", "nodes", "scattered"})
    ->ArgsProduct({BenchSizes::of({10000, 100000}), BenchSizes::of({64, 512, 2048}), {0, 1}})
    ->Unit(benchmark::kMillisecond);

} // namespace
