#pragma once

#include "Util/Singleton.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace CFG {
class Info;
} // namespace CFG

namespace MatSys {

// The configurations of the shader, program and material definition files, each read with the
// process-wide overrides as parent. One file typically defines many materials, programs and
// shaders, and every one of them asks for it, so a file is read once and read again only when
// it, a ".MOD" companion or an included file changed on disk (or appeared or went): when its
// size, modification time or inode changed, or when its modification time lies so close to
// the last read that a change in the same clock tick could hide behind it.
class DefinitionFiles : public Util::Singleton<DefinitionFiles> {
public:
    // A file that cannot be read gives a configuration without keys.
    std::shared_ptr<const CFG::Info> open(const std::string& path);

    // The value of key cut at every separator, each piece trimmed of blanks, empty ones dropped.
    static std::vector<std::string> listOf(const CFG::Info& file, const std::string& key,
                                           const char* separator);

private:
    friend class Util::Singleton<DefinitionFiles>;
    DefinitionFiles() = default;

    // What a file looked like when it was read: absent, or its size, time and inode.
    struct Stamp {
        bool exists;
        long long size;
        long long modified;
        unsigned long long inode;
        bool operator==(const Stamp& other) const;
    };
    struct Entry {
        std::shared_ptr<const CFG::Info> config;
        std::vector<std::string> includeKeys;
        std::vector<std::pair<std::string, Stamp>> files;
        long long readAt;
    };

    static Stamp stampOf(const std::string& path);
    static bool isCurrent(const std::string& path, const Entry& entry);
    // The files a read of path takes in: path and its ".MOD" chain, then each included file
    // and its chain, with their stamps.
    static std::vector<std::pair<std::string, Stamp>> filesOf(const std::string& path,
                                                              const Entry& entry);
    static void addChain(const std::string& path,
                         std::vector<std::pair<std::string, Stamp>>& files);

    std::unordered_map<std::string, Entry> m_entries;
};

} // namespace MatSys
