// Kessok's entry point: the game's fixed values and states around the framework's main body.
#include "game/Level.h"
#include "game/MainLogic.h"
#include "game/MainView.h"
#include "game/PlayGrid.h"
#include "game/TitleLogic.h"

#include "CFG/GlobalConfig.h"
#include "CFG/InfoParser.h"
#include "Game/GameManager.h"
#include "Game/LogicController.h"
#include "Game/StartUp.h"
#include "Util/Abort.h"

#include <algorithm>
#include <memory>
#include <string>

namespace GameMain {

const char* const CONFIG_FILE = "kessok.cfg";
const char* const TITLE = "Kessok: v0.69";
const char* const REQUIRED_ABILITIES = "";

// Ends the game with the abort report when what the keys give exceeds the limit; the report
// names the keys with the text they hold.
void refuseAbove(const std::string& keys, const std::string& values, const int given,
                 const int limit, const char* const unit) {
    if (given > limit) {
        UTIL_ABORT(keys << " is " << values << "; at most " << limit << " " << unit);
    }
}

// Every level takes its name from LEVELS_LIST: without one there is no board to play on, so
// the game stops here, before a window opens, as it does for a grid, a polygon or a glyph
// array too large to draw. The configuration file is named, since a game started from another
// folder reads none.
void checkConfiguration() {
    if (Tool::Level::names().empty()) {
        Game::reportMainFile(CONFIG_FILE);
        UTIL_ABORT("LEVELS_LIST is empty");
    }
    const CFG::InfoParser& config = CFG::parser();
    refuseAbove("GRID_WIDTH x GRID_HEIGHT",
                CFG::get("GRID_WIDTH") + " x " + CFG::get("GRID_HEIGHT"),
                std::max(config.getNumber<int>("GRID_WIDTH"), config.getNumber<int>("GRID_HEIGHT")),
                Tool::PlayGrid::MAX_SIDE, "cells a side");
    refuseAbove("PLAYER_POLY_NUM_SIDES", CFG::get("PLAYER_POLY_NUM_SIDES"),
                config.getNumber<int>("PLAYER_POLY_NUM_SIDES"), Tool::PlayGrid::MAX_POLYGON_SIDES,
                "sides");
    // An enemy's sides are drawn between the two ends, whichever is larger.
    const Util::Range<int> enemySides = config.getRange<int>("NME_NUM_SIDES_RANGE");
    refuseAbove("NME_NUM_SIDES_RANGE", CFG::get("NME_NUM_SIDES_RANGE"),
                std::max(enemySides.min, enemySides.max), Tool::PlayGrid::MAX_POLYGON_SIDES,
                "sides");
    refuseAbove("NUM_GLYPH_IMAGES", CFG::get("NUM_GLYPH_IMAGES"),
                config.getNumber<int>("NUM_GLYPH_IMAGES"), Tool::MainView::MAX_GLYPHS, "glyphs");
    // The player is drawn as one ring per step from its radius down; more rings than a grid
    // has cells a side would only draw over the same cells again, at the cost of every update.
    // A step that does not shrink the ring draws one ring.
    const float step = config.getNumber<float>("PLAYER_POLY_RADIUS_STEP");
    const float radius = config.getNumber<float>("PLAYER_POLY_RADIUS");
    if (step > 0.0f && radius / step > static_cast<float>(Tool::PlayGrid::MAX_SIDE)) {
        UTIL_ABORT("PLAYER_POLY_RADIUS / PLAYER_POLY_RADIUS_STEP is "
                   << CFG::get("PLAYER_POLY_RADIUS") << " / " << CFG::get("PLAYER_POLY_RADIUS_STEP")
                   << "; at most " << Tool::PlayGrid::MAX_SIDE << " rings");
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
