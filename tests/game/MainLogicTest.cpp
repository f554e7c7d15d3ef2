#include "game/MainLogic.h"
#include "CellText.h"
#include "GameHelper/EaserStore.h"
#include "PlayHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <string>
#include <vector>

namespace {

using KessokTest::cellText;
using KessokTest::PlayHarness;
using Tool::Cell;

// The abort report with exactly the message given.
std::string abortReport(const std::string& message) {
    return "^ABORT: Func:[^\n]* File:[^\n]* Line: [0-9]+\nABORT: " + message + "\n$";
}

int indexOf(const Tool::Cells& cells, const Cell& cell) {
    const auto found = std::find_if(cells.begin(), cells.end(), [&cell](const Cell& c) {
        return c.x == cell.x && c.y == cell.y;
    });
    return static_cast<int>(found - cells.begin());
}

// Past the first entry, which only shows the board, into a new game at level 0.
void startGame(PlayHarness& play) {
    play.logic->onEnter("", "");
    play.start();
}

// Paused, so that only the player moves, until it stands on the outer cell.
void walkPlayerTo(PlayHarness& play, const Cell& cell) {
    const int position = indexOf(play.logic->outerPoints, cell);
    ASSERT_LT(position, static_cast<int>(play.logic->outerPoints.size()) - 1);
    play.logic->setPause(true);
    play.press(PlayHarness::RIGHT);
    play.run(position);
    play.release(PlayHarness::RIGHT);
    play.logic->setPause(false);
    ASSERT_EQ(play.logic->playerPos, position);
}

TEST(MainLogicTest, TheFirstEntryBuildsTheViewAndHandsOverToTheTitle) {
    static Tool::MainLogic* s_viewedLogic = nullptr;
    static bool s_viewDeleted = false;
    struct FakeView : Game::I_View {
        ~FakeView() override { s_viewDeleted = true; }
        void setPause(bool) override {}
        void setScreenSize(int, int) override {}
        void preUpdate(float) override {}
        void onUpdate(float) override {}
        void onRender() override {}
        EVT::I_Event* onInput(EVT::I_Event* event) override { return event; }
        Game::ViewBox getViewBox() const override { return {}; }
    };
    const auto makeView = [](Game::GameManager*, Tool::MainLogic* logic) {
        s_viewedLogic = logic;
        return std::unique_ptr<Game::I_View>(new FakeView);
    };
    {
        PlayHarness play({}, makeView);
        play.logic->onEnter("", "");
        EXPECT_EQ(s_viewedLogic, play.logic.get());
        EXPECT_TRUE(play.logic->gameOver);
        EXPECT_EQ(play.update(), "EXIT");
        EXPECT_TRUE(play.logic->enemies.empty());
        play.start();
        EXPECT_FALSE(play.logic->gameOver);
        EXPECT_EQ(play.update(), "");
        EXPECT_EQ(play.logic->enemies.size(), 1u);
    }
    EXPECT_TRUE(s_viewDeleted);
}

TEST(MainLogicTest, EntriesChooseTheLevelItsBoardAndItsEnemies) {
    struct Row {
        const char* code;
        int level;
        std::size_t sides;
        Cell firstOuterVertex;
        std::size_t outerCells;
        int enemies;
    };
    // Two names: levels past the list take the last with one side more each, unrotated.
    const std::vector<Row> rows = {
        {"", 0, 4, {52, 39}, 140, 3},          {"*", 0, 4, {52, 39}, 140, 3},
        {"NEXTLEVEL", 1, 6, {46, 43}, 132, 5}, {"NEXTLEVEL", 2, 7, {32, 46}, 138, 6},
        {"NEXTLEVEL", 3, 8, {32, 46}, 140, 7}, {"START", 0, 4, {52, 39}, 140, 3},
    };
    PlayHarness play({{"LEVELS_LIST", " ,SQUARE ,, \tHEX ,"}});
    EXPECT_EQ(play.logic->levels, (std::vector<std::string>{"SQUARE", "HEX"}));
    for (const Row& row : rows) {
        play.logic->score = 9;
        play.logic->onEnter("RUNNING", row.code);
        EXPECT_EQ(play.logic->level, row.level) << row.code;
        EXPECT_EQ(play.logic->outerVertices.size(), row.sides) << row.code;
        EXPECT_EQ(play.logic->innerVertices.size(), row.sides) << row.code;
        EXPECT_EQ(cellText({play.logic->outerVertices[0]}), cellText({row.firstOuterVertex}));
        EXPECT_EQ(play.logic->outerPoints.size(), row.outerCells) << row.code;
        EXPECT_EQ(play.logic->enemiesToCreate, row.enemies) << row.code;
        EXPECT_EQ(play.logic->score, 0);
    }
}

TEST(MainLogicTest, TheBoardIsTwoRingsJoinedBySpokesUnderEveryUpdate) {
    PlayHarness play({{"GRID_WIDTH", "20"},
                      {"GRID_HEIGHT", "15"},
                      {"SQUARE_INNER_RADIUS", "0.15"},
                      {"PLAYER_POLY_RADIUS", "0"}});
    startGame(play);
    const std::vector<std::string> board = {
        "....................", "....................", "....................",
        "....#############...", "....##.........##...", "....#.##.....##.#...",
        "....#...#####...#...", "....#...#...#...#...", "....#...#...#...#...",
        "....#...#...#...#...", "....#...#####...#...", "....#.##.....##.#...",
        "....##.........##...", "....#############...", "....................",
        "....................",
    };
    EXPECT_EQ(cellText(play.logic->innerVertices), "12,10 12,6 8,6 8,10");
    EXPECT_EQ(play.logic->innerVertexIndex, (std::vector<int>{0, 4, 8, 12}));
    EXPECT_EQ(cellText(play.logic->outerVertices), "16,13 16,3 4,3 4,13");
    EXPECT_EQ(play.logic->outerVertexIndex, (std::vector<int>{0, 10, 22, 32}));
    EXPECT_EQ(KessokTest::picture(*play.logic), board);
    play.logic->enemiesToCreate = 0;
    play.update();
    EXPECT_EQ(KessokTest::picture(*play.logic), board);
}

TEST(MainLogicTest, EnemiesSpawnOnATimerAndCrawlFromTheInnerToTheOuterRing) {
    PlayHarness play;
    startGame(play);
    play.update();
    ASSERT_EQ(play.logic->enemies.size(), 1u);
    const Tool::Enemy& first = *play.logic->enemies.front();
    EXPECT_EQ(first.shape.value, 66 + 3);
    EXPECT_LT(indexOf(play.logic->innerPoints, first.start), play.logic->innerPoints.size());
    EXPECT_LT(indexOf(play.logic->outerPoints, first.target), play.logic->outerPoints.size());
    // The first step comes at once; the next spawn 400 ms later.
    EXPECT_NE(cellText({first.current()}), cellText({first.start}));
    play.run(25);
    EXPECT_EQ(play.logic->enemies.size(), 1u);
    play.update();
    ASSERT_EQ(play.logic->enemies.size(), 2u);
    EXPECT_EQ(play.logic->enemies.back()->shape.value, 66 + 2);
    EXPECT_EQ(play.run(300), "");
    EXPECT_EQ(play.logic->enemiesToCreate, 0);
    for (const auto& enemy : play.logic->enemies) {
        EXPECT_EQ(cellText({enemy->current()}), cellText({enemy->target}));
        EXPECT_FLOAT_EQ(enemy->shape.radius, 0.06f);
    }
}

TEST(MainLogicTest, ThePlayerMovesByWholeCellsRoundTheRingWhilePausedToo) {
    PlayHarness play({{"MOVE_SPEED", "3"}, {"SQUARE_ENEMY_TOTAL", "1"}});
    startGame(play);
    play.update();
    const Cell enemyCell = play.logic->enemies.front()->current();
    play.logic->setPause(true);
    const int track = static_cast<int>(play.logic->outerPoints.size()) - 1;
    struct Row {
        std::vector<unsigned char> held;
        int position;
    };
    const std::vector<Row> rows = {
        {{PlayHarness::RIGHT}, 3}, {{PlayHarness::LEFT, PlayHarness::RIGHT}, 3},
        {{PlayHarness::LEFT}, 0},  {{PlayHarness::LEFT}, track - 3},
        {{PlayHarness::RIGHT}, 0},
    };
    for (const Row& row : rows) {
        for (const unsigned char key : row.held) {
            play.press(key);
        }
        play.update(50.0f);
        for (const unsigned char key : row.held) {
            play.release(key);
        }
        EXPECT_EQ(play.logic->playerPos, row.position);
    }
    EXPECT_EQ(cellText({play.logic->enemies.front()->current()}), cellText({enemyCell}));
    EXPECT_EQ(play.logic->enemiesToCreate, 0);
}

TEST(MainLogicTest, TheBeamDestroysTheEnemyOnItsLineScoresAndClearsTheLevel) {
    PlayHarness play({{"SQUARE_ENEMY_TOTAL", "1"}});
    startGame(play);
    play.update();
    walkPlayerTo(play, play.logic->enemies.front()->target);
    play.press(PlayHarness::FIRE);
    EXPECT_EQ(play.update(), "NEXTLEVEL");
    EXPECT_EQ(play.logic->score, 1);
    EXPECT_TRUE(play.logic->enemies.empty());
    EXPECT_NE(std::count(play.logic->grid.begin(), play.logic->grid.end(), Tool::PlayGrid::BEAM),
              0);
    // A fire key held into the next level does not fire there.
    play.logic->onEnter("RUNNING", "NEXTLEVEL");
    play.update();
    EXPECT_EQ(std::count(play.logic->grid.begin(), play.logic->grid.end(), Tool::PlayGrid::BEAM),
              0);
}

// An axis-aligned square enemy, still, that any line through its middle must cross.
void placeEnemy(Tool::MainLogic& logic, const Cell& cell, const float radius,
                const unsigned char value) {
    logic.enemies.push_back(std::make_unique<Tool::Enemy>(
        logic, cell, cell, GameHelper::EaserStore::get("inQuad"), 1000.0f,
        Util::Range<float>{radius, radius}, Util::Range<float>{100.0f, 100.0f}));
    logic.enemies.back()->shape.numSides = 4;
    logic.enemies.back()->shape.rotation = 45.0f;
    logic.enemies.back()->shape.value = value;
}

// A game with the spawning done, paused so that nothing moves but the player and the beam.
void startStillGame(PlayHarness& play) {
    startGame(play);
    play.logic->enemiesToCreate = 0;
    play.logic->setPause(true);
}

TEST(MainLogicTest, TheBeamKillsOneEnemyPerUpdateTheOneNearestTheInnerRingFirst) {
    PlayHarness play;
    startStillGame(play);
    Tool::MainLogic& logic = *play.logic;
    const Tool::RingMapping rings({logic.outerPoints, logic.outerVertices, logic.outerVertexIndex},
                                  {logic.innerPoints, logic.innerVertices, logic.innerVertexIndex});
    const Cell outer = logic.outerPoints[0];
    const Cell inner = rings.innerCell(0, 0);
    placeEnemy(logic, {(outer.x + inner.x) / 2, (outer.y + inner.y) / 2}, 0.05f, 70);
    placeEnemy(logic, inner, 0.05f, 71);
    play.press(PlayHarness::FIRE);
    EXPECT_EQ(play.update(), "");
    ASSERT_EQ(logic.enemies.size(), 1u);
    EXPECT_EQ(logic.enemies.front()->shape.value, 70);
    EXPECT_EQ(play.update(), "NEXTLEVEL");
    EXPECT_EQ(logic.score, 2);
}

TEST(MainLogicTest, AnEnemyReachingThePlayerEndsTheGame) {
    PlayHarness play({{"SQUARE_ENEMY_TOTAL", "1"}});
    startGame(play);
    play.update();
    walkPlayerTo(play, play.logic->enemies.front()->target);
    EXPECT_EQ(play.run(1000), "DEAD");
    EXPECT_TRUE(play.logic->gameOver);
}

TEST(MainLogicTest, ThePlayerTouchingTheLastEnemyAsTheBeamKillsItEndsTheGame) {
    PlayHarness play;
    startStillGame(play);
    placeEnemy(*play.logic, play.logic->outerPoints[0], 0.03f, 66);
    play.press(PlayHarness::FIRE);
    EXPECT_EQ(play.update(), "DEAD");
    EXPECT_EQ(play.logic->score, 1);
    EXPECT_TRUE(play.logic->enemies.empty());
}

TEST(MainLogicTest, EnemyCountsStayWithinTheValuesTheGridTellsApart) {
    PlayHarness play({{"SQUARE_ENEMY_TOTAL", "300"}, {"HEX_ENEMY_TOTAL", "-5"}});
    startGame(play);
    EXPECT_EQ(play.logic->enemiesToCreate, 189);
    play.update();
    EXPECT_EQ(play.logic->enemies.front()->shape.value, 255);
    play.logic->onEnter("RUNNING", "NEXTLEVEL");
    EXPECT_EQ(play.logic->enemiesToCreate, 0);
}

TEST(MainLogicTest, ARadiusStepThatShrinksNothingDrawsOneRing) {
    for (const char* step : {"0", "-0.01", "1e-12"}) {
        PlayHarness play({{"PLAYER_POLY_RADIUS_STEP", step}, {"SQUARE_ENEMY_TOTAL", "0"}});
        startGame(play);
        play.update();
        const Tool::MainLogic& logic = *play.logic;
        EXPECT_EQ(logic.lastVertices.size(), 5u) << step;
        EXPECT_NE(std::count(logic.grid.begin(), logic.grid.end(), Tool::PlayGrid::PLAYER), 0);
    }
}

TEST(MainLogicTest, AnUnknownEaserEndsTheGameAtTheFirstSpawn) {
    PlayHarness play({{"NME_EASER", "outInQuad"}});
    startGame(play);
    EXPECT_EXIT(play.update(), testing::KilledBySignal(SIGABRT),
                abortReport("Unknown easer outInQuad in NME_EASER"));
}

TEST(MainLogicTest, ALevelWithoutAnOuterRingEndsTheGameAtItsEntry) {
    for (const auto& [key, value] : {std::pair<const char*, const char*>{"SQUARE_NUM_SIDES", "0"},
                                     {"SQUARE_OUTER_RADIUS", "0"},
                                     {"SQUARE_OUTER_RADIUS", "1e30"}}) {
        PlayHarness play({{key, value}});
        EXPECT_EXIT(startGame(play), testing::KilledBySignal(SIGABRT),
                    abortReport("Level SQUARE has no outer ring"));
    }
    PlayHarness play({{"LEVELS_LIST", ""}});
    EXPECT_EXIT(startGame(play), testing::KilledBySignal(SIGABRT),
                abortReport("Level  has no outer ring"));
}

} // namespace
