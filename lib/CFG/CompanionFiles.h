#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace CFG {

// The companion files of the files one load reads: "x.cfg" has "x.cfg.MOD". Each folder is
// listed once, so that a load of many files from one folder pays one listing, not one failed
// open per file, for the companions that are not there.
class CompanionFiles {
public:
    static std::string companionOf(const std::string& path);

    // False only when the folder of the companion was listed and holds no entry of its name;
    // true when it does, or when the folder cannot be listed.
    bool mayExist(const std::string& companion);
    // Forgets every listing, for a load that starts afresh.
    void clear() { m_folders.clear(); }

private:
    // Per folder, its entries that are companions, in byte order; nothing for a folder that
    // cannot be listed.
    std::map<std::string, std::optional<std::vector<std::string>>> m_folders;
};

} // namespace CFG
