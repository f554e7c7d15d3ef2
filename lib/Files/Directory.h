#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace Files {

// Helpers for paths separated by '/' and for listing a directory.
class Directory {
public:
    // The text up to and including the last '/', or "./" when there is none.
    static std::string dirname(const std::string& path);

    // The text after the last '/'; the whole path when there is none.
    static std::string basename(const std::string& path);

    // The directory as a prefix for file names: '/' appended unless it is empty or already
    // ends in '/'.
    static std::string asPrefix(const std::string& directory);

    // The text before the last '.'; the whole name when it holds none.
    static std::string withoutExtension(const std::string& name);

    // Appends to names, in byte-wise order, the entries of directory (files and
    // subdirectories, without "." and "..") that begin with prefix and end with suffix.
    // names stays unchanged when the directory cannot be listed.
    static void scan(const std::string& directory, std::vector<std::string>& names,
                     const std::string& prefix, const std::string& suffix);

    // Appends to names, in the order the directory gives them, the entries of directory
    // (without "." and "..") that keep accepts. False, names unchanged, when the directory
    // cannot be listed, or when the size it reports is above maxBytes: on ext4, tmpfs, btrfs
    // and XFS that size grows with the entries, and with it the time a listing takes.
    static bool list(const std::string& directory, std::vector<std::string>& names,
                     const std::function<bool(std::string_view)>& keep,
                     std::uint64_t maxBytes = std::numeric_limits<std::uint64_t>::max());
};

} // namespace Files
