#pragma once

#include "CFG/GlobalConfig.h"
#include "Devices/Devices.h"
#include "Devices/Keyboard.h"
#include "Game/GameManager.h"
#include "game/MainLogic.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace KessokTest {

// Drives the play state without a window: the process-wide configuration holds a playable
// set of keys with the changes given, a keyboard of the harness's own is installed, and the
// game manager has no services. The key codes and the enemies' tween time are kept per
// process, so every harness uses the same ones.
class PlayHarness {
public:
    using Keys = std::initializer_list<std::pair<const char*, const char*>>;

    static constexpr unsigned char LEFT = 4;
    static constexpr unsigned char RIGHT = 5;
    static constexpr unsigned char FIRE = 32;

    explicit PlayHarness(const Keys& changes = {},
                         const Tool::MainLogic::ViewMaker makeView = nullptr)
        : m_manager(800, 600, 60, 0) {
        for (const auto& [key, value] : defaults()) {
            CFG::global()->add(key, value);
        }
        for (const auto& [key, value] : changes) {
            CFG::global()->add(key, value);
        }
        Devices::setKeyboard(&m_keyboard);
        logic = std::make_unique<Tool::MainLogic>(&m_manager, makeView);
    }

    ~PlayHarness() {
        logic.reset();
        Devices::setKeyboard(nullptr);
        CFG::global()->reset();
    }

    PlayHarness(const PlayHarness&) = delete;
    PlayHarness& operator=(const PlayHarness&) = delete;

    // A new game, as the title state hands over to the play.
    void start() { logic->onEnter("TITLE", "*"); }
    void press(const unsigned char key) { m_keyboard.doKey(key, true); }
    void release(const unsigned char key) { m_keyboard.doKey(key, false); }
    std::string update(const float dt = 16.0f) { return logic->onUpdate(dt); }
    // Updates until one returns an exit code or count have run; returns the code.
    std::string run(const int count, const float dt = 16.0f) {
        std::string code;
        for (int k = 0; k < count && code.empty(); ++k) {
            code = update(dt);
        }
        return code;
    }

    Game::GameManager& manager() { return m_manager; }

    std::unique_ptr<Tool::MainLogic> logic;

private:
    static const std::vector<std::pair<const char*, const char*>>& defaults() {
        static const std::vector<std::pair<const char*, const char*>> s_keys = {
            {"GRID_WIDTH", "64"},
            {"GRID_HEIGHT", "48"},
            {"MOVE_SPEED", "1"},
            {"GAME_SEED", "12345"},
            {"LEVELS_LIST", "SQUARE, HEX"},
            {"SQUARE_NUM_SIDES", "4"},
            {"SQUARE_INNER_RADIUS", "0.1"},
            {"SQUARE_OUTER_RADIUS", "0.45"},
            {"SQUARE_ROTATION", "45"},
            {"SQUARE_ENEMY_TOTAL", "3"},
            {"HEX_NUM_SIDES", "6"},
            {"HEX_INNER_RADIUS", "0.12"},
            {"HEX_OUTER_RADIUS", "0.45"},
            {"HEX_ROTATION", "30"},
            {"HEX_ENEMY_TOTAL", "4"},
            {"KEY_MOVE_LEFT", "LEFT"},
            {"KEY_MOVE_RIGHT", "RIGHT"},
            {"KEY_FIRE", "SPACE"},
            {"CREATE_ENEMY_TIME", "400"},
            {"CREATE_ENEMY_TIME_DEC", "50"},
            {"CREATE_ENEMY_TIME_MIN", "100"},
            {"NME_RADIUS_RANGE", "0.03, 0.06"},
            {"NME_MOVE_TIME_RANGE", "120, 40"},
            {"NME_NUM_SIDES_RANGE", "3, 6"},
            {"NME_EASER", "inQuad"},
            {"NME_MOVE_TIME_SPEED", "3000"},
            {"FIRE_TIME", "200"},
            {"PLAYER_POLY_NUM_SIDES", "5"},
            {"PLAYER_POLY_RADIUS", "0.04"},
            {"PLAYER_POLY_RADIUS_STEP", "0.015"},
        };
        return s_keys;
    }

    Devices::Keyboard m_keyboard;
    Game::GameManager m_manager;
};

} // namespace KessokTest
