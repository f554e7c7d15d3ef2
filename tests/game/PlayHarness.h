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

namespace KessokTest {

// Drives the play state without a window: the process-wide configuration from play.cfg with
// the changes given, a keyboard of its own, a game manager without services, updates with fixed
// frame times. Key codes and the enemies' tween time are kept per process: leave them alone.
class PlayHarness {
public:
    using Keys = std::initializer_list<std::pair<const char*, const char*>>;

    static constexpr unsigned char LEFT = 4;
    static constexpr unsigned char RIGHT = 5;
    static constexpr unsigned char FIRE = 32;

    explicit PlayHarness(const Keys changes = {},
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

    PlayHarness(const PlayHarness&) = delete;
    PlayHarness& operator=(const PlayHarness&) = delete;

    // Past the first entry, which only shows the board, into a new game at level 0.
    void start() {
        logic->onEnter("", "");
        logic->onEnter("TITLE", "*");
    }
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

    std::unique_ptr<Tool::MainLogic> logic;

private:
    Devices::Keyboard m_keyboard;
    Game::GameManager m_manager;
};

} // namespace KessokTest
