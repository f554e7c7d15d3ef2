#pragma once

#include <ios>
#include <string>
#include <vector>

namespace Files {

class InputFile;

// Whole-file text input and output. Every failure shows in the result alone: false or 0,
// nothing thrown or logged.
class TextFile {
public:
    // The size in bytes of a regular file; 0 when it cannot be opened or is anything else.
    static std::streampos size(const std::string& path);

    // Appends each line of the file to text, followed by terminator, or by "\n" when the
    // line is empty. False, with text untouched, for a file that is empty or that size()
    // cannot measure.
    static bool load(const std::string& path, std::string& text, const char* terminator);
    // The same on a file opened already.
    static bool load(const InputFile& file, std::string& text, const char* terminator);
    // Loads the file as load() does and sets text, replacing what it held, to the loaded text
    // with its "::" key references replaced through config, a CFG::Info (anything with
    // replaceKeys(text) does). False, with text untouched, where load() fails. A template, so
    // that Files needs nothing of the configuration, which itself reads its files through Files.
    template <typename Config>
    static bool loadAndReplaceCfg(const Config* const config, const std::string& path,
                                  std::string& text, const char* const terminator) {
        std::string loaded;
        if (!load(path, loaded, terminator)) {
            return false;
        }
        text = config->replaceKeys(loaded);
        return true;
    }

    // Creates or truncates the file and writes each line followed by a line feed.
    static bool save(const std::string& path, const std::vector<std::string>& lines);
    static bool save(const std::string& path, const std::string& text);
};

} // namespace Files
