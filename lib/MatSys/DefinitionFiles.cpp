#include "MatSys/DefinitionFiles.h"

#include "CFG/GlobalConfig.h"
#include "CFG/Info.h"
#include "Util/StringUtils.h"

#include <sys/stat.h>

namespace MatSys {

namespace {

// Files no longer asked for are let go once this many are held.
constexpr std::size_t MAX_HELD = 64;

} // namespace

bool DefinitionFiles::Stamp::operator==(const Stamp& other) const {
    return exists == other.exists && size == other.size && seconds == other.seconds &&
           nanoseconds == other.nanoseconds && inode == other.inode;
}

std::shared_ptr<const CFG::Info> DefinitionFiles::open(const std::string& path) {
    const auto found = m_entries.find(path);
    if (found != m_entries.end() && filesOf(path, found->second) == found->second.files) {
        return found->second.config;
    }
    if (m_entries.size() >= MAX_HELD) {
        for (auto entry = m_entries.begin(); entry != m_entries.end();) {
            entry = entry->second.config.use_count() == 1 ? m_entries.erase(entry) : ++entry;
        }
    }
    Entry& entry = m_entries[path];
    auto config = std::make_shared<CFG::Info>(path, CFG::getDefaultOverrides());
    std::vector<std::string> keys;
    config->keys(keys);
    entry.includeKeys.clear();
    for (const std::string& key : keys) {
        if (Util::startswith(key, "<INCLUDE")) {
            entry.includeKeys.push_back(key);
        }
    }
    entry.config = std::move(config);
    entry.files = filesOf(path, entry);
    return entry.config;
}

std::vector<std::string> DefinitionFiles::listOf(const CFG::Info& file, const std::string& key,
                                                 const char* const separator) {
    std::vector<std::string> pieces;
    Util::splitString(file.get(key), separator, pieces, false, true);
    return pieces;
}

DefinitionFiles::Stamp DefinitionFiles::stampOf(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        return {false, 0, 0, 0, 0};
    }
    return {true, static_cast<long long>(status.st_size),
            static_cast<long long>(status.st_mtim.tv_sec),
            static_cast<long long>(status.st_mtim.tv_nsec),
            static_cast<unsigned long long>(status.st_ino)};
}

std::vector<std::pair<std::string, DefinitionFiles::Stamp>>
DefinitionFiles::filesOf(const std::string& path, const Entry& entry) {
    std::vector<std::pair<std::string, Stamp>> files;
    addChain(path, files);
    for (const std::string& key : entry.includeKeys) {
        addChain(entry.config->get(key), files);
    }
    return files;
}

void DefinitionFiles::addChain(const std::string& path,
                               std::vector<std::pair<std::string, Stamp>>& files) {
    // The reader takes "x.MOD" after "x" for as long as the next one exists.
    for (std::string name = path;; name += ".MOD") {
        files.emplace_back(name, stampOf(name));
        if (!files.back().second.exists) {
            return;
        }
    }
}

} // namespace MatSys
