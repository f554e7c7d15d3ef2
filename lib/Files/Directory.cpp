#include "Files/Directory.h"

#include "Util/StringUtils.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <new>

namespace Files {

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

void Directory::scan(const std::string& directory, std::vector<std::string>& names,
                     const std::string& prefix, const std::string& suffix) {
    const std::size_t before = names.size();
    const auto passes = [&](const std::string_view name) {
        return Util::startswith(name, prefix) && Util::endswith(name, suffix);
    };
    if (list(directory, names, passes)) {
        // std::string orders bytes as unsigned values, as strcmp does.
        std::sort(names.begin() + static_cast<std::ptrdiff_t>(before), names.end());
    }
}

bool Directory::list(const std::string& directory, std::vector<std::string>& names,
                     const std::function<bool(std::string_view)>& keep,
                     const std::uint64_t maxBytes) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat status {};
    const bool allowed =
        ::fstat(fd, &status) == 0 && static_cast<std::uint64_t>(status.st_size) <= maxBytes;
    // The listing owns the descriptor once it is made, and closes it.
    DIR* const dir = allowed ? ::fdopendir(fd) : nullptr;
    if (dir == nullptr) {
        ::close(fd);
        return false;
    }
    const std::size_t before = names.size();
    bool listed = true;
    try {
        while (const dirent* const entry = ::readdir(dir)) {
            const std::string_view name = entry->d_name;
            if (name != "." && name != ".." && keep(name)) {
                names.emplace_back(name);
            }
        }
    } catch (const std::bad_alloc&) {
        listed = false;
    }
    if (::closedir(dir) != 0 || !listed) {
        names.resize(before);
        return false;
    }
    return true;
}

} // namespace Files
