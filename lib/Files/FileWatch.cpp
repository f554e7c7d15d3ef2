#include "Files/FileWatch.h"

#include "Files/Directory.h"

#include <sys/inotify.h>
#include <unistd.h>

namespace Files {

namespace {

constexpr std::uint32_t CHANGES = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE |
                                  IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;

} // namespace

FileWatch::~FileWatch() {
    if (m_fd >= 0) {
        close(m_fd);
    }
}

bool FileWatch::watchFolderOf(const std::string& path) {
    if (m_fd < 0) {
        m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    }
    return m_fd >= 0 && inotify_add_watch(m_fd, Directory::dirname(path).c_str(), CHANGES) >= 0;
}

bool FileWatch::changed() {
    // Every event counts, an overflow of the queue and the end of a watch included, so only
    // whether there were any is read; the buffer is drained for the next call.
    alignas(inotify_event) char events[4096];
    bool any = false;
    while (m_fd >= 0 && read(m_fd, events, sizeof events) > 0) {
        any = true;
    }
    return any;
}

} // namespace Files
