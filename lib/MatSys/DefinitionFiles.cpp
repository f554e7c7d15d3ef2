#include "MatSys/DefinitionFiles.h"

#include "CFG/GlobalConfig.h"
#include "CFG/Info.h"
#include "Util/StringUtils.h"

#include <sys/stat.h>
#include <time.h>

namespace MatSys {

namespace {

// Files no longer asked for are let go once this many are held.
constexpr std::size_t MAX_HELD = 64;

// File times may advance in ticks of the kernel clock rather than continuously; a file
// modified less than this before it was read may change again without a new time.
constexpr long long TIME_TICK_NS = 20'000'000;

long long nanoseconds(const timespec& time) {
    return static_cast<long long>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

long long now() {
    timespec time{};
    clock_gettime(CLOCK_REALTIME, &time);
    return nanoseconds(time);
}

} // namespace

bool DefinitionFiles::Stamp::operator==(const Stamp& other) const {
    return exists == other.exists && size == other.size && modified == other.modified &&
           inode == other.inode;
}

std::shared_ptr<const CFG::Info> DefinitionFiles::open(const std::string& path) {
    const auto found = m_entries.find(path);
    if (found != m_entries.end() && isCurrent(path, found->second)) {
        return found->second.config;
    }
    if (m_entries.size() >= MAX_HELD) {
        for (auto entry = m_entries.begin(); entry != m_entries.end();) {
            entry = entry->second.config.use_count() == 1 ? m_entries.erase(entry) : ++entry;
        }
    }
    Entry& entry = m_entries[path];
    entry.readAt = now();
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
        return {false, 0, 0, 0};
    }
    return {true, static_cast<long long>(status.st_size), nanoseconds(status.st_mtim),
            static_cast<unsigned long long>(status.st_ino)};
}

bool DefinitionFiles::isCurrent(const std::string& path, const Entry& entry) {
    for (const auto& [name, stamp] : entry.files) {
        if (stamp.exists && stamp.modified > entry.readAt - TIME_TICK_NS) {
            return false;
        }
    }
    return filesOf(path, entry) == entry.files;
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
