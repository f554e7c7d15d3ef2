#include "game/MainLogic.h"

#include "CFG/GlobalConfig.h"
#include "CFG/InfoParser.h"
#include "Devices/Devices.h"
#include "Devices/Keyboard.h"
#include "EVT/EventBus.h"
#include "GameHelper/Easing/EaserStore.h"
#include "RNG/RandSimple.h"
#include "Util/Abort.h"

#include <algorithm>
#include <cstdint>
#include <ctime>

namespace Tool {
namespace {

// Read every update, so held as strings once rather than built per read.
const std::string PLAYER_SIDES_KEY = "PLAYER_POLY_NUM_SIDES";
const std::string PLAYER_RADIUS_KEY = "PLAYER_POLY_RADIUS";
const std::string PLAYER_STEP_KEY = "PLAYER_POLY_RADIUS_STEP";

unsigned int seed() {
    const unsigned int configured = CFG::parser().getNumber<unsigned int>("GAME_SEED");
    return configured != 0 ? configured : static_cast<unsigned int>(std::time(nullptr));
}

const Devices::Keyboard& keyboard() {
    return *Devices::getKeyboard();
}

// The one easer configuration names for the enemies' tweens.
const Tween::Easer& enemyEaser() {
    const std::string name = CFG::get("NME_EASER");
    const Tween::Easer* const easer = GameHelper::EaserStore::get(name);
    if (easer == nullptr) {
        UTIL_ABORT("Unknown easer " << name << " in NME_EASER");
    }
    return *easer;
}

} // namespace

MainLogic::MainLogic(Game::GameManager* const manager, const ViewMaker maker)
    : PlayGrid(CFG::parser().getNumber<int>("GRID_WIDTH"),
               CFG::parser().getNumber<int>("GRID_HEIGHT")),
      m_gameManager(manager), m_makeView(maker),
      m_moveSpeed(CFG::parser().getNumber<int>("MOVE_SPEED")),
      m_random(std::make_unique<RNG::RandSimple>(seed())) {
    levels = Level::names();
}

MainLogic::~MainLogic() {
    MainLogic::doExit("");
}

void MainLogic::onEnter(const std::string&, const std::string& code) {
    clear();
    level = code == "NEXTLEVEL" ? level + 1 : 0;
    const Level board = Level::read(levels, level);
    drawBoard(board);
    saveBackground();
    enemiesToCreate = board.enemies;
    m_createTimer = 0.0f;
    if (m_firstEntry) {
        // The first entry only shows the board under the title.
        m_firstEntry = false;
        if (m_makeView != nullptr) {
            m_view = m_makeView(m_gameManager, this);
            m_gameManager->getViewManager()->add(m_view.get());
        }
        m_exitCode = "EXIT";
        gameOver = true;
    } else {
        m_exitCode.clear();
        gameOver = false;
    }
    playerPos = 0;
    score = 0;
    // A fire key held into the level fires only once pressed again. The key is looked up at
    // each entry, not cached as in the update, so that a KEY_FIRE changed since counts here.
    m_fireHeld = keyboard().keyDown[PlayKeys::codeOf("KEY_FIRE")];
    m_fireTime = 0.0f;
    enemies.clear();
}

void MainLogic::doExit(const std::string&) {
    if (m_view != nullptr) {
        // Applied at once unless a pass over the views is running, so that no later pass
        // reaches the view deleted here.
        m_gameManager->getViewManager()->remove(m_view.get());
        m_gameManager->getViewManager()->doPendingUpdates();
        m_view.reset();
    }
    m_firstEntry = true;
    EVT::EventBus::instance().removeConsumer(this);
}

std::string MainLogic::onUpdate(float dt) {
    const PlayKeys& keys = PlayKeys::cached();
    if (m_paused) {
        dt = 0.0f;
    }
    restoreBackground();
    spawn(dt);
    // Each enemy is drawn where the previous update left it.
    for (const std::unique_ptr<Enemy>& enemy : enemies) {
        drawPolygon(enemy->shape);
        enemy->update(*this, dt);
    }
    movePlayer(keys);
    fire(keys, dt);
    drawPlayer();
    return m_exitCode;
}

void MainLogic::addEnemy() {
    const RingMapping map = rings();
    const int side = map.pickSide(m_random->getFloat());
    const int offset = map.pickOffset(side, m_random->getFloat());
    const CFG::InfoParser& config = CFG::parser();
    const Util::Range<float> radii = config.getRange<float>("NME_RADIUS_RANGE");
    const Util::Range<float> moveTimes = config.getRange<float>("NME_MOVE_TIME_RANGE");
    const Util::Range<int> sides = config.getRange<int>("NME_NUM_SIDES_RANGE");
    // In 64 bits: the ends of a range may lie as far apart as an int allows. A range written
    // high to low draws its values counting down from min, so both ends are drawn either way.
    const std::int64_t span = std::int64_t{sides.max} - sides.min;
    const std::int64_t sideChoices = span >= 0 ? span + 1 : span - 1;
    const float sideDraw = m_random->getFloat() * static_cast<float>(sideChoices);
    const Tween::Easer& easer = enemyEaser();
    static const float s_tweenTime = config.getNumber<float>("NME_MOVE_TIME_SPEED");

    auto enemy =
        std::make_unique<Enemy>(*this, map.innerCell(side, offset), map.outerCell(side, offset),
                                &easer, s_tweenTime, radii, moveTimes);
    enemy->shape.numSides = static_cast<int>(sides.min + static_cast<std::int64_t>(sideDraw));
    enemy->shape.value = static_cast<unsigned char>(FIRST_ENEMY + enemiesToCreate);
    enemies.push_back(std::move(enemy));
}

void MainLogic::initFire() {
    const RingMapping map = rings();
    const int side = map.sideOf(playerPos);
    const Cell from = outerPoints[static_cast<std::size_t>(playerPos)];
    const Cell to = map.innerCell(side, playerPos - map.firstOf(side));
    m_fireLine = {from.x, from.y, to.x, to.y};
}

void MainLogic::doFire() {
    const unsigned char hit =
        drawLine(m_fireLine[0], m_fireLine[1], m_fireLine[2], m_fireLine[3], BEAM);
    if (hit == 0) {
        return;
    }
    const auto struck = std::find_if(enemies.begin(), enemies.end(), [hit](const auto& enemy) {
        return enemy->shape.value == hit;
    });
    if (struck != enemies.end()) {
        score += level + 1;
        enemies.erase(struck);
    }
    if (enemiesToCreate == 0 && enemies.empty()) {
        m_exitCode = "NEXTLEVEL";
    }
}

void MainLogic::drawBoard(const Level& board) {
    Polygon ring;
    ring.numSides = board.numSides;
    ring.x = 0.5f;
    ring.y = 0.5f;
    ring.rotation = board.rotation;
    ring.value = BOARD;
    ring.radius = board.innerRadius;
    drawPolygon(ring);
    innerPoints = lastPoints;
    innerVertices = lastVertices;
    innerVertexIndex = lastVertexIndex;
    ring.radius = board.outerRadius;
    drawPolygon(ring);
    outerPoints = lastPoints;
    outerVertices = lastVertices;
    outerVertexIndex = lastVertexIndex;
    // The player runs round the outer ring: it needs a cell to stand on and one to move to.
    if (outerPoints.size() < 2) {
        UTIL_ABORT("Level " << board.name << " has no outer ring");
    }
    const std::size_t spokes = std::min(innerVertices.size(), outerVertices.size());
    for (std::size_t k = 0; k < spokes; ++k) {
        drawLine(innerVertices[k].x, innerVertices[k].y, outerVertices[k].x, outerVertices[k].y,
                 BOARD);
    }
}

// At most one enemy per update; the time by which the timer overran is dropped.
void MainLogic::spawn(const float dt) {
    m_createTimer -= dt;
    if (!m_exitCode.empty() || enemiesToCreate == 0 || m_createTimer >= 0.0f) {
        return;
    }
    const CFG::InfoParser& config = CFG::parser();
    m_createTimer = config.getNumber<float>("CREATE_ENEMY_TIME") -
                    config.getNumber<float>("CREATE_ENEMY_TIME_DEC") * static_cast<float>(level);
    m_createTimer = std::max(m_createTimer, config.getNumber<float>("CREATE_ENEMY_TIME_MIN"));
    addEnemy();
    --enemiesToCreate;
}

// By whole cells per update, whatever the frame time: the player moves while paused too.
void MainLogic::movePlayer(const PlayKeys& keys) {
    std::int64_t position = playerPos;
    if (keyboard().keyDown[keys.left]) {
        position -= m_moveSpeed;
    }
    if (keyboard().keyDown[keys.right]) {
        position += m_moveSpeed;
    }
    // The last outline cell closes the ring onto the first and is no place of its own.
    const std::int64_t track = static_cast<std::int64_t>(outerPoints.size()) - 1;
    position %= track;
    playerPos = static_cast<int>(position < 0 ? position + track : position);
}

// A press of the fire key aims the beam and starts its time; the beam is drawn every update
// until the time runs out.
void MainLogic::fire(const PlayKeys& keys, const float dt) {
    if (!keyboard().keyDown[keys.fire]) {
        m_fireHeld = false;
    } else if (!m_fireHeld) {
        initFire();
        m_fireHeld = true;
        m_fireTime = static_cast<float>(CFG::parser().getNumber<int>("FIRE_TIME"));
    }
    if (m_fireTime == 0.0f) {
        return;
    }
    m_fireTime -= dt;
    if (m_fireTime <= 0.0f) {
        m_fireTime = 0.0f;
    } else {
        doFire();
    }
}

// Rings from the outermost inwards; any ring drawn over an enemy ends the game.
void MainLogic::drawPlayer() {
    const CFG::InfoParser& config = CFG::parser();
    Polygon ring;
    ring.numSides = config.getNumber<int>(PLAYER_SIDES_KEY);
    const auto centre = gridToRatioPos(outerPoints[static_cast<std::size_t>(playerPos)]);
    ring.x = centre.first;
    ring.y = centre.second;
    ring.rotation = 90.0f;
    ring.value = PLAYER;
    bool touched = false;
    for (float radius = config.getNumber<float>(PLAYER_RADIUS_KEY); radius > 0.0f;) {
        ring.radius = radius;
        touched = drawPolygon(ring) != 0 || touched;
        // A step that does not make the ring smaller would never end: one ring is drawn.
        const float next = radius - config.getNumber<float>(PLAYER_STEP_KEY);
        if (!(next < radius)) {
            break;
        }
        radius = next;
    }
    if (touched) {
        gameOver = true;
        m_exitCode = "DEAD";
    }
}

RingMapping MainLogic::rings() const {
    return RingMapping({outerPoints, outerVertices, outerVertexIndex},
                       {innerPoints, innerVertices, innerVertexIndex});
}

} // namespace Tool
