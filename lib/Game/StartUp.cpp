#include "Game/StartUp.h"

#include "CFG/GlobalConfig.h"
#include "CFG/InfoParser.h"
#include "Files/Directory.h"
#include "Files/TextFile.h"
#include "Render/I_RenderAbilities.h"
#include "Util/Debug.h"
#include "Util/StringUtils.h"

#include <filesystem>
#include <ostream>
#include <system_error>
#include <vector>

namespace Game {

namespace {

const char* const SETTINGS_PREFIX = "SETTINGS_";
const char* const OVERRIDE_SEPARATOR = "==";
const char* const EXTRA_SUFFIX = ".cfg";
const char* const ABILITY_PREFIX = "INFO_";

struct AbilityRow {
    int id;
    const char* name;
};

// Published in this order (3 after 4 and 7 before 6), closed by a row without a name.
constexpr AbilityRow ABILITIES[] = {
    {0, "HAVE_SHADERS"},
    {1, "HAVE_NPOT_TEXTURES"},
    {2, "HAVE_RTT"},
    {4, "HAVE_VBOS"},
    {3, "HAVE_FBOS"},
    {5, "HAVE_PBOS"},
    {7, "HAVE_FLOAT_TEX"},
    {6, "HAVE_FRAME_BLIT"},
    {8, "MAX_TEXTURE_SIZE_2D"},
    {9, "MAX_TEXTURE_SIZE_3D"},
    {10, "MAX_RTT_SIZE"},
    {11, "MAX_FBO_SIZE"},
    {12, "MAX_PBO_SIZE"},
    {0, nullptr},
};

bool holdsSeparator(const std::string& argument) {
    return argument.find(OVERRIDE_SEPARATOR) != std::string::npos;
}

void applyOverride(const std::string& argument) {
    if (argument.empty() || argument[0] == '-') {
        return;
    }
    std::vector<std::string> parts;
    Util::splitString(argument, OVERRIDE_SEPARATOR, parts, true, true);
    if (parts.size() == 2) {
        CFG::getDefaultOverrides()->add(parts[0], parts[1]);
    }
}

} // namespace

bool loadConfiguration(int argc, const char* const* argv, const std::string& mainFile) {
    std::string settings = Files::Directory::dirname(mainFile) + SETTINGS_PREFIX +
                           Files::Directory::basename(mainFile);
    int position = 1;
    if (argc >= 2) {
        const std::string first = argv[1];
        if (!holdsSeparator(first) && Util::startswith(first, SETTINGS_PREFIX)) {
            settings = first;
            position = 2;
        }
    }
    CFG::Info* overrides = CFG::getDefaultOverrides();
    overrides->addConfig(settings);
    overrides->add("SETTINGS_FILE", settings);
    CFG::setConfig(mainFile);
    if (position < argc) {
        const std::string extra = argv[position];
        if (!holdsSeparator(extra) && Util::endswith(extra, EXTRA_SUFFIX)) {
            if (Files::TextFile::size(extra) == 0) {
                return false;
            }
            CFG::addConfig(extra);
            ++position;
        }
    }
    for (; position < argc; ++position) {
        applyOverride(argv[position]);
    }
    return true;
}

void reportMainFile(const std::string& mainFile) {
    std::error_code error;
    // Without a working directory the path stays as it was given.
    const std::string path = (std::filesystem::current_path(error) / mainFile).string();
    // What the configuration reads is exactly what the text file loader loads: a regular,
    // non-empty file.
    std::ostream& out = Util::Debug::instance().errorStream();
    if (Files::TextFile::size(mainFile) > 0) {
        out << "Configuration read from " << path << std::endl;
    } else {
        out << "No configuration read: " << path << " is missing or empty" << std::endl;
    }
}

void publishAbilities(Render::I_RenderAbilities& abilities) {
    for (const AbilityRow* row = ABILITIES; row->name != nullptr; ++row) {
        const int probed = abilities.getAbility(row->id);
        const std::string key = std::string(ABILITY_PREFIX) + row->name;
        if (CFG::get(key).empty()) {
            CFG::getDefaultOverrides()->add(key, std::to_string(probed));
        } else {
            abilities.setAbility(row->id, CFG::parser().getNumber<int>(key));
        }
    }
}

void pinGlobalKeys() {
    std::vector<std::string> keys;
    Util::splitString(CFG::get("GLOBAL_KEYS"), ",", keys, false, true);
    CFG::Info* overrides = CFG::getDefaultOverrides();
    for (const std::string& key : keys) {
        if (overrides->get(key).empty()) {
            overrides->add(key, CFG::get(key));
        }
    }
}

} // namespace Game
