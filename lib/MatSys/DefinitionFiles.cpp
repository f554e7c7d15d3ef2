#include "MatSys/DefinitionFiles.h"

#include "CFG/GlobalConfig.h"
#include "CFG/Info.h"
#include "Util/StringUtils.h"

namespace MatSys {

std::shared_ptr<const CFG::Info> DefinitionFiles::open(const std::string& path) {
    if (m_watch.changed()) {
        m_entries.clear();
    }
    const auto found = m_entries.find(path);
    if (found != m_entries.end() && includesUnchanged(found->second)) {
        return found->second.config;
    }
    Entry entry;
    if (!read(path, entry)) {
        m_entries.erase(path);
        return entry.config;
    }
    return (m_entries[path] = std::move(entry)).config;
}

std::vector<std::string> DefinitionFiles::listOf(const CFG::Info& file, const std::string& key,
                                                 const char* const separator) {
    std::vector<std::string> pieces;
    Util::splitString(file.get(key), separator, pieces, false, true);
    return pieces;
}

bool DefinitionFiles::read(const std::string& path, Entry& entry) {
    // Watched before reading, so that a change during the read counts.
    bool watched = m_watch.watchFolderOf(path);
    auto config = std::make_shared<CFG::Info>(path, CFG::getDefaultOverrides());
    std::vector<std::string> keys;
    config->keys(keys);
    for (const std::string& key : keys) {
        if (Util::startswith(key, "<INCLUDE")) {
            entry.includes.emplace_back(key, config->get(key));
            watched = m_watch.watchFolderOf(entry.includes.back().second) && watched;
        }
    }
    entry.config = std::move(config);
    return watched;
}

bool DefinitionFiles::includesUnchanged(const Entry& entry) {
    for (const auto& [key, included] : entry.includes) {
        if (entry.config->get(key) != included) {
            return false;
        }
    }
    return true;
}

} // namespace MatSys
