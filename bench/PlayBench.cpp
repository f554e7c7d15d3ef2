// One play update: the grid rebuilt from the board, every enemy and the player drawn into it.
// Against the number of live enemies on a 64 x 48 grid, and against the grid's size with 20
// enemies. No peer: the game is its own.

#include "../tests/game/PlayHarness.h"
#include "BenchSizes.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using KessokTest::PlayHarness;

// A level under way with the enemies out and walking and the player moving. No beam: it would
// thin the enemies out.
void runUpdates(benchmark::State& state, PlayHarness& play, const int enemies) {
    play.start();
    for (int k = 0; k < enemies; ++k) {
        play.logic->enemiesToCreate = 1 + k % 189;
        play.logic->addEnemy();
    }
    play.logic->enemiesToCreate = 0;
    play.press(PlayHarness::RIGHT);
    for (auto _ : state) {
        benchmark::DoNotOptimize(play.update());
    }
    state.counters["enemies_left"] = static_cast<double>(play.logic->enemies.size());
}

void BM_PlayUpdateByEnemies(benchmark::State& state) {
    PlayHarness play({{"SQUARE_ENEMY_TOTAL", "0"}});
    runUpdates(state, play, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_PlayUpdateByEnemies)->ArgsProduct({BenchSizes::of({10, 20, 100, 1000})});

void BM_PlayUpdateByGridSide(benchmark::State& state) {
    const std::string side = std::to_string(state.range(0));
    PlayHarness play(
        {{"GRID_WIDTH", side.c_str()}, {"GRID_HEIGHT", side.c_str()}, {"SQUARE_ENEMY_TOTAL", "0"}});
    runUpdates(state, play, 20);
    state.counters["cells"] = static_cast<double>(state.range(0) * state.range(0));
}
BENCHMARK(BM_PlayUpdateByGridSide)->ArgsProduct({BenchSizes::of({32, 64, 128, 256, 512})});

} // namespace
