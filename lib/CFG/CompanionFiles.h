#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace CFG {

// The companion files of the files one load reads: "x.cfg" has "x.cfg.MOD". The load probes
// each with the open that would read it, and lists a folder only where it has missed several
// there and the folder is small beside them, so that a load costs what the files it reads cost,
// however many others share their folders.
class CompanionFiles {
public:
    static std::string companionOf(const std::string& path);

    // False only when the folder of the companion has been listed and holds no entry of its
    // name in any ASCII letter case, so that a folder that ignores case answers as its open
    // would.
    bool mayExist(const std::string& companion) const;
    // Counts a companion that could not be opened, and lists its folder once the misses there
    // make the listing worth its cost.
    void missed(const std::string& companion);
    // Forgets every folder, for a load that starts afresh.
    void clear() { m_folders.clear(); }

private:
    struct Folder {
        std::size_t misses = 0;
        // Once listed, the names of its entries that may be companions, in lower case, sorted.
        std::optional<std::vector<std::string>> companions;
    };

    std::map<std::string, Folder> m_folders;
};

} // namespace CFG
