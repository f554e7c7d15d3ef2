#include "game/MainLogic.h"
#include "GameHelper/Easing/EaserStore.h"
#include "PlayHarness.h"
#include "Support/AbortReport.h"
#include "Support/Recorder.h"
// The one source of PlayTests that counts the heap: it replaces the allocation functions.
#include "Support/HeapCounter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using KessokTest::cellText;
using KessokTest::PlayHarness;
using Tool::Cell;

int indexOf(const Tool::Cells& cells, const Cell& cell) {
    const auto same = [&cell](const Cell& c) { return c.x == cell.x && c.y == cell.y; };
    return static_cast<int>(std::find_if(cells.begin(), cells.end(), same) - cells.begin());
}

long beamCells(const Tool::MainLogic& logic) {
    return std::count(logic.grid.begin(), logic.grid.end(), Tool::PlayGrid::BEAM);
}

// An axis-aligned square enemy standing still, which every line through its middle crosses.
void placeEnemy(Tool::MainLogic& logic, const Cell& cell, const unsigned char value) {
    logic.enemies.push_back(std::make_unique<Tool::Enemy>(
        logic, cell, cell, GameHelper::EaserStore::get("inQuad"), 1000.0f,
        Util::Range<float>{0.05f, 0.05f}, Util::Range<float>{100.0f, 100.0f}));
    logic.enemies.back()->shape = {
        4, logic.enemies.back()->shape.x, logic.enemies.back()->shape.y, 0.05f, 45.0f, value};
}

TEST(EnemyTest, ItsFirstVertexPointsAlongItsWayAndItStepsOnceTimePasses) {
    const Tool::PlayGrid field(16, 16);
    // From (5, 5) to the target: rotation 0 points down, 90 right.
    const std::pair<Cell, float> rows[] = {{{9, 5}, 90.0f},  {{1, 5}, 270.0f}, {{5, 9}, 360.0f},
                                           {{5, 1}, 180.0f}, {{8, 8}, 45.0f},  {{2, 8}, 315.0f},
                                           {{9, 7}, 63.0f},  {{5, 5}, 360.0f}};
    for (const auto& [target, rotation] : rows) {
        Tool::Enemy enemy(field, {5, 5}, target, GameHelper::EaserStore::get("inQuad"), 1000.0f,
                          {0.1f, 0.2f}, {50.0f, 50.0f});
        EXPECT_EQ(enemy.shape.rotation, rotation) << cellText({target});
        EXPECT_FLOAT_EQ(enemy.shape.radius, 0.1f);
        // A frame time of 0, as while paused, runs no timer out, not even the first step's.
        enemy.update(field, 0.0f);
        EXPECT_EQ(cellText({enemy.current()}), "5,5");
    }
}

Game::ViewManager* s_viewManager = nullptr;

// A recording view that records its deletion, and a pause should a pass still reach it then.
struct RecordedView : KessokTest::Recorder {
    using Recorder::Recorder;
    ~RecordedView() override {
        s_viewManager->setPause(true);
        record("deleted");
    }
};

TEST(MainLogicTest, TheFirstEntryAddsTheViewAndShowsTheBoardUnderTheTitleLeavingDeletesIt) {
    static std::vector<std::string> s_log;
    PlayHarness play({{"GRID_WIDTH", "20"},
                      {"GRID_HEIGHT", "15"},
                      {"SQUARE_INNER_RADIUS", "0.15"},
                      {"PLAYER_POLY_RADIUS", "0"}},
                     [](Game::GameManager* manager, Tool::MainLogic* logic) {
                         s_viewManager = manager->getViewManager();
                         return std::unique_ptr<Game::I_View>(
                             new RecordedView(logic->levels[0], s_log));
                     });
    play.logic->onEnter("", "");
    s_viewManager->doPendingUpdates();
    EXPECT_EQ(play.update(), "EXIT");
    // Two rings joined by spokes.
    EXPECT_EQ(play.picture(),
              (std::vector<std::string>{
                  "....................", "....................", "....................",
                  "....#############...", "....##.........##...", "....#.##.....##.#...",
                  "....#...#####...#...", "....#...#...#...#...", "....#...#...#...#...",
                  "....#...#...#...#...", "....#...#####...#...", "....#.##.....##.#...",
                  "....##.........##...", "....#############...", "....................",
                  "...................."}));
    EXPECT_TRUE(play.logic->gameOver && play.logic->enemies.empty());
    play.logic->onEnter("TITLE", "*");
    EXPECT_EQ(play.update(), "");
    EXPECT_FALSE(play.logic->gameOver || play.logic->enemies.empty());
    // Leaving takes the view off the view manager at once and deletes it; the next entry is a
    // first one again.
    play.logic->doExit("");
    EXPECT_EQ(s_log, (std::vector<std::string>{"SQUARE size 0x0", "SQUARE deleted"}));
    play.logic->onEnter("", "");
    EXPECT_EQ(play.update(), "EXIT");
}

TEST(MainLogicTest, EntriesChooseTheLevelItsBoardItsEnemiesAndTheirInterval) {
    // Code, then "level sides firstOuterVertex enemies updates": past the two names the last
    // name, one side more each, unrotated; the updates from the first enemy to the second, 400
    // ms less 150 a level but at least 100.
    const std::pair<const char*, const char*> rows[] = {{"*", "0 4 52,39 3 26"},
                                                        {"NEXTLEVEL", "1 6 46,43 5 16"},
                                                        {"NEXTLEVEL", "2 7 32,46 6 7"},
                                                        {"NEXTLEVEL", "3 8 32,46 7 7"},
                                                        {"START", "0 4 52,39 3 26"}};
    PlayHarness play({{"LEVELS_LIST", " ,SQUARE ,, \tHEX ,"}, {"CREATE_ENEMY_TIME_DEC", "150"}});
    play.start();
    const Tool::MainLogic& logic = *play.logic;
    for (const auto& [code, want] : rows) {
        play.logic->onEnter("RUNNING", code);
        const std::string entered =
            std::to_string(logic.level) + " " + std::to_string(logic.innerVertices.size()) + " " +
            cellText({logic.outerVertices.at(0)}) + " " + std::to_string(logic.enemiesToCreate);
        int updates = 0;
        for (play.update(); logic.enemies.size() < 2 && updates < 50; ++updates) {
            play.update();
        }
        EXPECT_EQ(entered + " " + std::to_string(updates), want);
    }
}

TEST(MainLogicTest, EnemiesCrawlFromTheInnerToTheOuterRingAndThenUpdatesAllocateNothing) {
    PlayHarness play;
    play.start();
    play.update();
    const Tool::Enemy& first = *play.logic->enemies.at(0);
    // The player's rings shrink by the step down to the innermost, a cell to either side.
    EXPECT_EQ(cellText(play.logic->lastVertices), "53,39 52,39 51,39 51,39 52,39");
    // The first step comes at once.
    EXPECT_NE(cellText({first.current()}), cellText({first.start}));
    EXPECT_EQ(play.run(300), "");
    for (const auto& enemy : play.logic->enemies) {
        EXPECT_EQ(cellText({enemy->current()}), cellText({enemy->target}));
        EXPECT_FLOAT_EQ(enemy->shape.radius, 0.06f);
    }
    // Every enemy is out: the beam fired again and again as the player runs round.
    const std::size_t before = HeapCounter::s_allocations;
    play.press(PlayHarness::RIGHT);
    for (int k = 0; k < 400; ++k) {
        play.press(PlayHarness::FIRE);
        play.update();
        play.release(PlayHarness::FIRE);
        play.update();
    }
    EXPECT_EQ(HeapCounter::s_allocations, before);
}

TEST(MainLogicTest, ThePlayerMovesByWholeCellsRoundTheRingWhilePausedToo) {
    PlayHarness play({{"MOVE_SPEED", "3"}});
    play.start();
    play.update();
    const std::string enemyCell = cellText({play.logic->enemies.at(0)->current()});
    play.logic->setPause(true);
    play.press(PlayHarness::RIGHT);
    EXPECT_EQ((play.update(), play.logic->playerPos), 3);
    play.press(PlayHarness::LEFT);
    EXPECT_EQ((play.update(), play.logic->playerPos), 3);
    play.release(PlayHarness::RIGHT);
    EXPECT_EQ((play.update(), play.logic->playerPos), 0);
    // The last outline cell closes the ring and is skipped.
    const int last = static_cast<int>(play.logic->outerPoints.size()) - 2;
    EXPECT_EQ((play.update(), play.logic->playerPos), last - 2);
    EXPECT_EQ(cellText({play.logic->enemies.at(0)->current()}), enemyCell);
    EXPECT_EQ(play.logic->enemies.size(), 1u);
}

TEST(MainLogicTest, TheBeamKillsTheEnemiesOnItsWayOneAnUpdateAndEndsTheLevelUnlessTheyKill) {
    PlayHarness play({{"SQUARE_ENEMY_TOTAL", "1"}});
    play.start();
    play.update();
    Tool::MainLogic& logic = *play.logic;
    // Paused, so that only the player moves, onto the cell the enemy walks to.
    logic.setPause(true);
    play.press(PlayHarness::RIGHT);
    play.run(indexOf(logic.outerPoints, logic.enemies.at(0)->target));
    play.release(PlayHarness::RIGHT);
    logic.setPause(false);
    play.press(PlayHarness::FIRE);
    EXPECT_EQ(play.update(), "NEXTLEVEL");
    EXPECT_EQ(logic.score, 1);
    EXPECT_NE(beamCells(logic), 0);
    // At level 1, paused: a fire key held into the level does not fire there; pressed again,
    // the beam kills the enemy nearer the inner ring first, 2 points each.
    logic.onEnter("RUNNING", "NEXTLEVEL");
    logic.enemiesToCreate = 0;
    logic.setPause(true);
    const Cell outer = logic.outerPoints[0];
    const Cell inner = logic.innerPoints[0];
    placeEnemy(logic, {(outer.x + inner.x) / 2, (outer.y + inner.y) / 2}, 70);
    placeEnemy(logic, inner, 71);
    play.update();
    EXPECT_EQ(beamCells(logic), 0);
    play.release(PlayHarness::FIRE);
    play.update();
    play.press(PlayHarness::FIRE);
    EXPECT_EQ(play.update(), "");
    EXPECT_EQ(logic.enemies.at(0)->shape.value, 70);
    EXPECT_EQ(play.update(), "NEXTLEVEL");
    EXPECT_EQ(logic.score, 4);
    // However long the key is held, the beam lasts its 200 ms.
    logic.setPause(false);
    for (int k = 0; k < 13; ++k) {
        play.update();
    }
    EXPECT_EQ(beamCells(logic), 0);
    // On a level without enemies a shot that hits nothing does not end the level.
    play.release(PlayHarness::FIRE);
    logic.onEnter("RUNNING", "*");
    logic.enemiesToCreate = 0;
    play.press(PlayHarness::FIRE);
    EXPECT_EQ(play.update(), "");
    EXPECT_NE(beamCells(logic), 0);
    // The last enemy, killed on the player's own cell, still touches the player's rings.
    placeEnemy(logic, logic.outerPoints[0], 66);
    EXPECT_EQ(play.update(), "DEAD");
    EXPECT_TRUE(logic.gameOver && logic.enemies.empty());
}

TEST(MainLogicTest, SpawnsReachBothEndsOfEveryConfiguredRangeAndNothingBeyond) {
    // Seed, board sides, NME_NUM_SIDES_RANGE, NME_MOVE_TIME_RANGE, NME_RADIUS_RANGE, then over
    // 600 spawns the least and the greatest (one value where they meet) of: the sides; the
    // target's and the start's place along the outer and the inner ring, 0 at its first cell
    // and 1 at its last; the step interval and the radius as the tween starts, and once it has
    // run. Last, the first enemy's target and sides, which the seed fixes.
    struct DrawRow {
        const char *seed, *board, *sides, *steps, *radii, *want;
    };
    const DrawRow ROWS[] = {
        {"12345", "4", "3, 6", "120, 40", "0.03, 0.06", "3..6 0..1 0..1 120 0.03 40 0.06 25,39 6"},
        {"1", "3", "5, 5", "62.5, 62.5", "0.04, 0.04", "5 0..1 0..1 62.5 0.04 62.5 0.04 6,28 5"},
        {"4000000000", "6", "6, 3", "40.5, 120.25", "0.06, 0.03",
         "3..6 0..1 0..1 40.5 0.06 120.25 0.03 60,18 3"}};
    for (const DrawRow& row : ROWS) {
        PlayHarness play({{"GAME_SEED", row.seed},
                          {"SQUARE_NUM_SIDES", row.board},
                          {"NME_NUM_SIDES_RANGE", row.sides},
                          {"NME_MOVE_TIME_RANGE", row.steps},
                          {"NME_RADIUS_RANGE", row.radii}});
        play.start();
        Tool::MainLogic& logic = *play.logic;
        const auto place = [](const Tool::Cells& ring, const Cell& cell) {
            return indexOf(ring, cell) / static_cast<double>(ring.size() - 1);
        };
        std::vector<std::pair<double, double>> ends(7, {1e30, -1e30});
        for (int k = 0; k < 600; ++k) {
            logic.addEnemy();
            Tool::Enemy& enemy = *logic.enemies.back();
            std::vector<double> values = {static_cast<double>(enemy.shape.numSides),
                                          place(logic.outerPoints, enemy.target),
                                          place(logic.innerPoints, enemy.start)};
            for (const float dt : {1e-3f, 1e9f}) {
                enemy.update(logic, dt);
                values.insert(values.end(), {enemy.moveTimer, enemy.shape.radius});
            }
            for (std::size_t q = 0; q < ends.size(); ++q) {
                ends[q] = {std::min(ends[q].first, values[q]), std::max(ends[q].second, values[q])};
            }
        }
        std::ostringstream got;
        for (const auto& [least, most] : ends) {
            got << least;
            if (most != least) {
                got << ".." << most;
            }
            got << " ";
        }
        const Tool::Enemy& first = *logic.enemies.at(0);
        got << cellText({first.target}) << " " << first.shape.numSides;
        EXPECT_EQ(got.str(), row.want) << "seed " << row.seed << ", sides " << row.sides;
    }
}

TEST(MainLogicTest, HostileCountsSidesAndStepsStayWithinBounds) {
    for (const char* step : {"0", "-0.01", "1e-12"}) {
        PlayHarness play({{"SQUARE_ENEMY_TOTAL", "300"},
                          {"HEX_ENEMY_TOTAL", "-5"},
                          {"HEX_NUM_SIDES", "2147483647"},
                          {"NME_NUM_SIDES_RANGE", "-2147483648, 2147483647"},
                          {"PLAYER_POLY_RADIUS_STEP", step}});
        play.start();
        EXPECT_EQ(play.logic->enemiesToCreate, 189);
        play.update();
        EXPECT_EQ(play.logic->enemies.at(0)->shape.value, 255);
        EXPECT_GT(play.logic->enemies.at(0)->shape.numSides, std::numeric_limits<int>::min());
        // A radius step that shrinks nothing draws one ring.
        EXPECT_EQ(play.logic->lastVertices.size(), 5u) << step;
        play.logic->onEnter("RUNNING", "NEXTLEVEL");
        EXPECT_EQ(play.logic->enemiesToCreate, 0);
        // Past the list, one side more than the most an int holds is still a board of the
        // most sides a polygon is drawn with.
        play.logic->onEnter("RUNNING", "NEXTLEVEL");
        EXPECT_EQ(play.logic->outerVertices.size(), 4096u);
    }
}

TEST(MainLogicTest, AnUnknownEaserOrALevelWithoutAnOuterRingEndsTheGame) {
    PlayHarness easer({{"NME_EASER", "outInQuad"}});
    easer.start();
    EXPECT_ABORT_REPORT(easer.update(), "enemyEaser", "Unknown easer outInQuad in NME_EASER");
    PlayHarness huge({{"SQUARE_OUTER_RADIUS", "1e30"}});
    EXPECT_ABORT_REPORT(huge.start(), "Tool::MainLogic::drawBoard",
                        "Level SQUARE has no outer ring");
    // Without level names the keys are read under the empty name, which play.cfg leaves unset.
    PlayHarness unnamed({{"LEVELS_LIST", " , "}});
    EXPECT_ABORT_REPORT(unnamed.start(), "Tool::MainLogic::drawBoard", "Level  has no outer ring");
    // Two cells are outer ring enough.
    PlayHarness least({{"GRID_HEIGHT", "17"},
                       {"SQUARE_NUM_SIDES", "2"},
                       {"SQUARE_ROTATION", "0"},
                       {"SQUARE_OUTER_RADIUS", "0.03"}});
    least.start();
    EXPECT_EQ(least.logic->outerPoints.size(), 2u);
}

} // namespace
