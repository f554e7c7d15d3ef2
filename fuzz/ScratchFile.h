#pragma once

#include "Support/ScratchDir.h"

#include <cstddef>
#include <cstdint>
#include <string>

// One file in a private folder below the temporary folder, removed with it at exit, that each
// fuzz input is written to, so that it is read through the configuration's own file loading.
// Made before the fuzzer starts, so that a folder that cannot be made ends the run with its
// reason before any input is tried, not as a crash of the input.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& name) : m_name(name), m_path(m_dir.path(name)) {}

    // Writes the input. Every 'V' becomes 'v', so that no value can spell "EVAL:(": the
    // calculator ends the process by design on an operand or operator it cannot read, and it
    // has a fuzzer of its own.
    const std::string& write(const std::uint8_t* const data, const std::size_t size) const {
        std::string text(reinterpret_cast<const char*>(data), size);
        for (char& c : text) {
            c = c == 'V' ? 'v' : c;
        }
        m_dir.write(m_name, text);
        return m_path;
    }

private:
    // Declared first: the path is made in it.
    ScratchDir m_dir;
    std::string m_name;
    std::string m_path;
};
