#include "Files/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace Files {

InputFile::InputFile(const std::string& path)
    : m_fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)) {
    struct stat status {};
    if (m_fd >= 0 && ::fstat(m_fd, &status) == 0 && S_ISREG(status.st_mode)) {
        m_size = static_cast<std::size_t>(status.st_size);
        m_id = {status.st_dev, status.st_ino};
    }
}

InputFile::~InputFile() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

std::string InputFile::bytes() const {
    std::string content(m_size, '\0');
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t got =
            ::pread(m_fd, content.data() + done, content.size() - done, static_cast<off_t>(done));
        if (got > 0) {
            done += static_cast<std::size_t>(got);
        } else if (got == 0 || errno != EINTR) {
            break;
        }
    }
    content.resize(done);
    return content;
}

} // namespace Files
