#include "Files/Directory.h"

#include "Util/StringUtils.h"

#include <dirent.h>

#include <algorithm>
#include <new>

namespace Files {
namespace {

// The entry names of directory without "." and "..", unsorted; false when the directory
// cannot be opened, read into memory or closed.
bool listEntries(const std::string& directory, std::vector<std::string>& entries) {
    DIR* const dir = opendir(directory.c_str());
    if (dir == nullptr) {
        return false;
    }
    bool listed = true;
    try {
        while (const dirent* const entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") {
                entries.push_back(name);
            }
        }
    } catch (const std::bad_alloc&) {
        listed = false;
    }
    return closedir(dir) == 0 && listed;
}

} // namespace

std::string Directory::dirname(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

std::string Directory::basename(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Directory::asPrefix(const std::string& directory) {
    return directory.empty() || directory.back() == '/' ? directory : directory + '/';
}

std::string Directory::withoutExtension(const std::string& name) {
    return name.substr(0, name.rfind('.'));
}

bool Directory::scan(const std::string& directory, std::vector<std::string>& names,
                     const std::string& prefix, const std::string& suffix) {
    const std::size_t before = names.size();
    try {
        std::vector<std::string> entries;
        if (!listEntries(directory, entries)) {
            return false;
        }
        // std::string orders bytes as unsigned values, as strcmp does.
        std::sort(entries.begin(), entries.end());
        for (const std::string& name : entries) {
            if (Util::startswith(name, prefix) && Util::endswith(name, suffix)) {
                names.push_back(name);
            }
        }
        return true;
    } catch (const std::bad_alloc&) {
        names.resize(before);
        return false;
    }
}

} // namespace Files
