#include "CFG/CompanionFiles.h"

#include "Files/Directory.h"

#include <algorithm>

namespace CFG {
namespace {

constexpr const char* COMPANION_SUFFIX = ".MOD";

} // namespace

std::string CompanionFiles::companionOf(const std::string& path) {
    return path + COMPANION_SUFFIX;
}

bool CompanionFiles::mayExist(const std::string& companion) {
    const std::string folder = Files::Directory::dirname(companion);
    auto listed = m_folders.find(folder);
    if (listed == m_folders.end()) {
        std::vector<std::string> names;
        const bool readable = Files::Directory::scan(folder, names, "", COMPANION_SUFFIX);
        listed = m_folders.emplace(folder, std::nullopt).first;
        if (readable) {
            listed->second = std::move(names);
        }
    }
    return !listed->second || std::binary_search(listed->second->begin(), listed->second->end(),
                                                 Files::Directory::basename(companion));
}

} // namespace CFG
