#include "Files/TextFile.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace Files {

std::streampos TextFile::size(const std::string& path) {
    // A file stream opens a directory on Linux and reports an enormous size for it.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return 0;
    }
    std::ifstream file(path, std::ios::in | std::ios::ate);
    if (!file) {
        return 0;
    }
    return file.tellg();
}

bool TextFile::load(const std::string& path, std::string& text, const char* const terminator) {
    const std::streamoff length = size(path);
    if (length == 0) {
        return false;
    }
    text.reserve(text.size() + static_cast<std::size_t>(length));
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        text += line;
        text += line.empty() ? "\n" : terminator;
    }
    return true;
}

bool TextFile::save(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream file(path, std::ios::out | std::ios::trunc);
    if (!file) {
        return false;
    }
    for (const std::string& line : lines) {
        if (!(file << line << std::endl)) {
            return false;
        }
    }
    return true;
}

bool TextFile::save(const std::string& path, const std::string& text) {
    return save(path, std::vector<std::string>{text});
}

} // namespace Files
