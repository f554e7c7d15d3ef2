#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// Game-like configuration files for the configuration benchmark, and the same settings as INI
// text for its peer: commented groups of settings named the way the game names them, blank
// lines between groups, multi-line texts, selector blocks by difficulty, and a main file that
// includes four more. Every run writes the same text.
struct CFGBenchCorpus {
    // Writes about bytes of configuration text, main file and includes together, into dir.
    CFGBenchCorpus(const std::filesystem::path& dir, std::size_t bytes);

    std::string mainCfg;
    std::vector<std::string> iniFiles;
    std::size_t cfgBytes = 0;
    // Every top-level key the configuration holds, and its text for a plain entry.
    std::vector<std::string> keys;
    std::vector<std::string> plainValues;
    // What inih hands over from the INI text, in its order: each setting's name, SECTION.NAME in
    // a section, and its value, and then each continuation line of the value as a value of its own.
    std::vector<std::pair<std::string, std::string>> iniSettings;
};
