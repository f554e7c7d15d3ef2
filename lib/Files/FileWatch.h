#pragma once

#include <string>

namespace Files {

// Tells whether anything changed on disk in a set of watched folders: a file written,
// created, removed, renamed or given new attributes. It asks the kernel's change
// notification, so asking costs one system call and no path lookup. The kernel's watch is made
// at the first folder watched: a user may hold only a few, and each takes milliseconds to close.
class FileWatch {
public:
    FileWatch() = default;
    ~FileWatch();
    FileWatch(const FileWatch&) = delete;
    FileWatch& operator=(const FileWatch&) = delete;

    // Watches the folder that holds path ("./" for a bare name); false when the folder does not
    // exist or the system cannot watch it.
    bool watchFolderOf(const std::string& path);
    // True when a watched folder changed since the last call.
    bool changed();

private:
    int m_fd = -1;
};

} // namespace Files
