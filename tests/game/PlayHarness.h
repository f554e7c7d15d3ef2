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

// Cells as "x,y x,y ...", the form of the expected tables.
inline std::string cellText(const Tool::Cells& cells) {
    std::string text;
    for (const Tool::Cell& cell : cells) {
        text += (text.empty() ? "" : " ") + std::to_string(cell.x) + "," + std::to_string(cell.y);
    }
    return text;
}

// Drives the play state without a window: the process-wide configuration from play.cfg with
// the changes given, a keyboard of its own, a game manager without services, updates with fixed
// frame times. Key codes and the enemies' tween time are kept per process: leave them alone.
class PlayHarness {
public:
    static constexpr unsigned char LEFT = 4;
    static constexpr unsigned char RIGHT = 5;
    static constexpr unsigned char FIRE = 32;

    explicit PlayHarness(
        const std::initializer_list<std::pair<const char*, const char*>> changes = {},
        const Tool::MainLogic::ViewMaker makeView = nullptr)
        : m_manager(800, 600, 60, 0) {
        CFG::setConfig(KESSOK_SOURCE_DIR "/tests/game/play.cfg");
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

    // Past the first entry, which only shows the board, into a new game at level 0.
    void start() {
        logic->onEnter("", "");
        logic->onEnter("TITLE", "*");
    }
    void press(const unsigned char key) { m_keyboard.doKey(key, true); }
    void release(const unsigned char key) { m_keyboard.doKey(key, false); }
    std::string update(const float dt = 16.0f) { return logic->onUpdate(dt); }
    // Updates until one returns an exit code or count have run; returns the code.
    std::string run(const int count) {
        std::string code;
        for (int k = 0; k < count && code.empty(); ++k) {
            code = update();
        }
        return code;
    }
    // The grid as rows of '#' for a written cell and '.' for an empty one, row 0 first.
    std::vector<std::string> picture() const {
        std::vector<std::string> rows(static_cast<std::size_t>(logic->gridHeight));
        for (std::size_t k = 0; k < logic->grid.size(); ++k) {
            rows[k / static_cast<std::size_t>(logic->gridWidth)] += logic->grid[k] != 0 ? '#' : '.';
        }
        return rows;
    }

    std::unique_ptr<Tool::MainLogic> logic;

private:
    Devices::Keyboard m_keyboard;
    Game::GameManager m_manager;
};

} // namespace KessokTest
