#pragma once

#include "CFG/Info.h"

#include <string>

// The process-wide configurations: the overrides, asked first by every other configuration,
// and the configuration read from the main file, whose parent they are.
namespace CFG {

class InfoParser;

// The overrides have no parent; the main file's configuration has the overrides as parent.
extern Info s_Overrides;
extern Info s_GlobalConfig;

// The override parent to give every configuration read from a definition file: the address
// of s_Overrides.
Info* getDefaultOverrides();
// The address of s_GlobalConfig.
Info* global();
// The typed reader over the process-wide configuration, built on first use.
InfoParser& parser();
// Empties the process-wide configuration and reads the file into it.
void setConfig(const std::string& path);
// Reads a further file into the process-wide configuration, its keys replacing earlier ones.
void addConfig(const std::string& path);
std::string get(const std::string& key);

} // namespace CFG
