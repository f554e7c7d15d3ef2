#pragma once

#include <string>

namespace Render {
class I_RenderAbilities;
}

// The configuration steps of a game's start-up, run by the entry point in GAME_MAIN.
namespace Game {

// Loads the settings file into the overrides (recording its path as SETTINGS_FILE), the main
// file as the process-wide configuration and an optional extra ".cfg" file on top of it, then
// applies the command line's KEY==value overrides. Argument 1 names the settings file when it
// begins with "SETTINGS_"; the next argument is the extra file when it ends with ".cfg"; neither
// may hold "==". False, with nothing created, when the extra file cannot be opened or is empty.
bool loadConfiguration(int argc, const char* const* argv, const std::string& mainFile);

// One line on the error stream naming the main file by its full path and saying whether a
// configuration was read from it, for a game that cannot run on what it found: started from
// another folder, it found none.
void reportMainFile(const std::string& mainFile);

// For each ability in the entry point's table order: a configured INFO_<name> is forced onto
// the controller, otherwise the probed value is published under that key in the overrides.
void publishAbilities(Render::I_RenderAbilities& abilities);

// Each key listed in GLOBAL_KEYS whose override is empty is given its current value there, so
// that no configuration file loaded later can change it.
void pinGlobalKeys();

} // namespace Game
