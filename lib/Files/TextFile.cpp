#include "Files/TextFile.h"

#include "Files/InputFile.h"

#include <fstream>
#include <string_view>

namespace Files {

std::streampos TextFile::size(const std::string& path) {
    return static_cast<std::streamoff>(InputFile(path).size());
}

bool TextFile::load(const std::string& path, std::string& text, const char* const terminator) {
    return load(InputFile(path), text, terminator);
}

bool TextFile::load(const InputFile& file, std::string& text, const char* const terminator) {
    if (file.size() == 0) {
        return false;
    }
    // Read whole and cut here: a stream read line by line costs more than the configuration
    // reader spends on the lines.
    std::string content = file.bytes();
    const std::string_view end = terminator;
    // With a line feed as terminator every line keeps its own; only a last line without one
    // gets it.
    if (end == "\n") {
        if (!content.empty() && content.back() != '\n') {
            content += '\n';
        }
        text += content;
        return true;
    }
    text.reserve(text.size() + content.size() + end.size());
    for (std::string_view rest = content; !rest.empty();) {
        const std::size_t lineFeed = rest.find('\n');
        const std::string_view line = rest.substr(0, lineFeed);
        text += line;
        text += line.empty() ? "\n" : end;
        rest = lineFeed == std::string_view::npos ? std::string_view() : rest.substr(lineFeed + 1);
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
