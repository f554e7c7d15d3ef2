// Kessok's entry point: the game's fixed values and states around the framework's main body.
#include "game/Level.h"
#include "game/MainLogic.h"
#include "game/MainView.h"
#include "game/TitleLogic.h"

#include "Game/GameManager.h"
#include "Game/LogicController.h"
#include "Util/Abort.h"

#include <memory>

namespace GameMain {

char const* const configFile = "kessok.cfg";
char const* const title = "Kessok: v0.69";
char const* const requiredAbilities = "";

// Every level takes its name from LEVELS_LIST: without one there is no board to play on, so
// the game stops here, before a window opens.
void checkConfiguration() {
    if (Tool::Level::names().empty()) {
        UTIL_ABORT("LEVELS_LIST is empty");
    }
}

std::unique_ptr<Game::I_View> makeView(Game::GameManager* gm, Tool::MainLogic* play) {
    return std::make_unique<Tool::MainView>(gm, play);
}

// The play state is registered first, so it is the one entered on the first update.
void addStates(Game::LogicController& logic, Game::GameManager* gm) {
    logic.add("RUNNING", std::make_unique<Tool::MainLogic>(gm, makeView),
              {{"NEXTLEVEL", "RUNNING"}, {"*", "TITLE"}});
    logic.add("TITLE", std::make_unique<Tool::TitleLogic>(gm), {{"*", "RUNNING"}});
}

} // namespace GameMain

#include "Game/GLFW/GAME_MAIN"
