#include "CFG/CompanionFiles.h"

#include "Files/Directory.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string_view>

namespace CFG {
namespace {

constexpr const char* COMPANION_SUFFIX = ".MOD";
constexpr std::string_view FOLDED_SUFFIX = ".mod";
// A folder is first listed after this many misses, and again tried after twice as many.
constexpr std::size_t FIRST_LISTING_MISSES = 8;
// The folder bytes a listing may read for each companion missed so far. On ext4 (Linux 6.x,
// in a virtual machine), a failed open costs 1.5 to 2.5 us and a listing about 10 ns a folder
// byte, so a listing costs at most about five times the failed opens before it.
constexpr std::uint64_t LISTING_BYTES_PER_MISS = 1024;

std::string folded(const std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](const char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    return lower;
}

} // namespace

std::string CompanionFiles::companionOf(const std::string& path) {
    return path + COMPANION_SUFFIX;
}

bool CompanionFiles::mayExist(const std::string& companion) const {
    const auto folder = m_folders.find(Files::Directory::dirname(companion));
    if (folder == m_folders.end() || !folder->second.companions) {
        return true;
    }
    const std::vector<std::string>& names = *folder->second.companions;
    return std::binary_search(names.begin(), names.end(),
                              folded(Files::Directory::basename(companion)));
}

void CompanionFiles::missed(const std::string& companion) {
    const std::string folderPath = Files::Directory::dirname(companion);
    Folder& folder = m_folders[folderPath];
    ++folder.misses;
    // Tried at 8, 16, 32 ... misses.
    const bool tryListing = folder.misses >= FIRST_LISTING_MISSES &&
                            (folder.misses & (folder.misses - 1)) == 0 && !folder.companions;
    if (!tryListing) {
        return;
    }
    std::vector<std::string> names;
    const auto mayBeCompanion = [](const std::string_view name) {
        return name.size() >= FOLDED_SUFFIX.size() &&
               folded(name.substr(name.size() - FOLDED_SUFFIX.size())) == FOLDED_SUFFIX;
    };
    if (Files::Directory::list(folderPath, names, mayBeCompanion,
                               folder.misses * LISTING_BYTES_PER_MISS)) {
        for (std::string& name : names) {
            name = folded(name);
        }
        std::sort(names.begin(), names.end());
        folder.companions = std::move(names);
    }
}

} // namespace CFG
