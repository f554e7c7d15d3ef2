#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace Files {

// A file opened once for reading: what it is, its size and its bytes, all through the one
// open. Anything other than a regular file is opened without waiting for it (a FIFO, a
// device) and counts as empty.
class InputFile {
public:
    // The device and the file's number on it: two opens of one file give the same pair while
    // the file exists, whatever path reached it.
    using Id = std::pair<std::uint64_t, std::uint64_t>;

    explicit InputFile(const std::string& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // False when the path named nothing that could be opened.
    bool opened() const { return m_fd >= 0; }
    // The size in bytes of a regular file when it was opened; 0 when it could not be opened or
    // is anything else.
    std::size_t size() const { return m_size; }
    // Meaningful where size() is not 0.
    const Id& id() const { return m_id; }
    // The file's bytes from its start, at most size() of them.
    std::string bytes() const;

private:
    int m_fd;
    std::size_t m_size = 0;
    Id m_id;
};

} // namespace Files
