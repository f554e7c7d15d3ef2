#pragma once

#include "Files/FileWatch.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace CFG {
class Info;
} // namespace CFG

namespace MatSys {

// The configurations of the shader, program and material definition files of one material
// system, each read with the process-wide overrides as parent. One file typically defines many
// materials, programs and shaders, and every one of them asks for it, so a file is read once and
// kept until anything changes on disk in its folder or in the folder of a file it includes (its
// ".MOD" companions lie beside it), or until an include key names another file. A file whose
// folders cannot be watched is read every time. The makers of one material system share one
// object, which goes with them.
class DefinitionFiles {
public:
    // A file that cannot be read gives a configuration without keys.
    std::shared_ptr<const CFG::Info> open(const std::string& path);

    // The value of key cut at every separator, each piece trimmed of blanks, empty ones dropped.
    static std::vector<std::string> listOf(const CFG::Info& file, const std::string& key,
                                           const char* separator);

private:
    struct Entry {
        std::shared_ptr<const CFG::Info> config;
        // The include keys with the files they named.
        std::vector<std::pair<std::string, std::string>> includes;
    };

    // Reads the file; false when a folder it involves cannot be watched.
    bool read(const std::string& path, Entry& entry);
    static bool includesUnchanged(const Entry& entry);

    Files::FileWatch m_watch;
    std::unordered_map<std::string, Entry> m_entries;
};

} // namespace MatSys
