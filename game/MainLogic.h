#pragma once

#include "game/Enemy.h"
#include "game/Level.h"
#include "game/PlayGrid.h"
#include "game/PlayKeys.h"
#include "game/RingMapping.h"

#include "EVT/I_Event.h"
#include "EVT/I_EventConsumer.h"
#include "Game/GameManager.h"
#include "Game/I_LogicState.h"
#include "Game/I_View.h"
#include "RNG/I_Random.h"

#include <array>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace Tool {

// The play state ("RUNNING"). Each level is a board of two regular polygons joined by spokes;
// enemies spawn on the inner ring and crawl outwards, the player runs round the outer ring and
// fires a beam inwards. Every update rebuilds the grid from the board and draws enemies, beam
// and player into it; what each drawing overwrites tells the hits. The first entry builds the
// game view and hands over to the title at once; "NEXTLEVEL" enters the next level, any other
// entry a new game.
class MainLogic : public Game::I_LogicState, public EVT::I_EventConsumer, public PlayGrid {
public:
    using Enemy = Tool::Enemy;
    // Builds the game view over the play state; the play state owns it. Without one the play
    // runs without a view, as in the tests.
    using ViewMaker = std::unique_ptr<Game::I_View> (*)(Game::GameManager* gameManager,
                                                        MainLogic* logic);

    // Reads the grid size, the player's speed, the random seed (0 takes the clock) and the
    // level names.
    explicit MainLogic(Game::GameManager* gameManager, ViewMaker makeView = nullptr);
    // Does what doExit does.
    ~MainLogic() override;

    // While paused every update runs with a frame time of 0.
    void setPause(bool pause) override { m_paused = pause; }
    // Draws the level's board and starts it; a level whose outer ring has fewer than two cells
    // ends the program with the abort report.
    void onEnter(const std::string& from, const std::string& code) override;
    // One frame of play: returns "" to go on, "NEXTLEVEL", "DEAD" or, after the first entry,
    // "EXIT". An unknown NME_EASER ends the program with the abort report at the spawn.
    std::string onUpdate(float dt) override;
    // Removes and deletes the game view.
    void doExit(const std::string& code) override;
    // The play state subscribes to nothing.
    void handleEvent(EVT::I_Event*) override {}

    // Creates one enemy on a random side of the board.
    void addEnemy();
    // Aims the beam from the player's cell to the matching inner cell.
    void initFire();
    // Draws the beam and destroys the enemy it reached last.
    void doFire();

    // Points of the current level, and whether the game is over; the game view shows both.
    int score = 0;
    bool gameOver = false;

    int level = 0;
    std::vector<std::string> levels;
    int playerPos = 0;
    int enemiesToCreate = 0;
    // The living enemies in spawn order.
    std::deque<std::unique_ptr<Enemy>> enemies;

    // The board's rings: the lists its inner and outer polygon left.
    Cells innerPoints;
    Cells innerVertices;
    std::vector<int> innerVertexIndex;
    Cells outerPoints;
    Cells outerVertices;
    std::vector<int> outerVertexIndex;

private:
    void drawBoard(const Level& board);
    void spawn(float dt);
    void movePlayer(const PlayKeys& keys);
    void fire(const PlayKeys& keys, float dt);
    void drawPlayer();
    RingMapping rings() const;

    Game::GameManager* const m_gameManager;
    const ViewMaker m_makeView;
    std::unique_ptr<Game::I_View> m_view;
    // Set until the first entry, and again by doExit.
    bool m_firstEntry = true;
    // Outer-ring cells the player moves per update while a move key is held.
    const int m_moveSpeed;
    std::unique_ptr<RNG::I_Random> m_random;
    bool m_paused = false;
    std::string m_exitCode;
    bool m_fireHeld = false;
    float m_fireTime = 0.0f;
    // The beam's start column and row, then its end column and row.
    std::array<int, 4> m_fireLine{};
    float m_createTimer = 0.0f;
};

} // namespace Tool
