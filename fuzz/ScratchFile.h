#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

// One file in a private temporary folder that each fuzz input is written to, so that it is
// read through the configuration's own file loading.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& name) {
        std::string pattern = "/tmp/kessok-fuzz-XXXXXX";
        m_path = std::string(mkdtemp(pattern.data())) + "/" + name;
    }

    // Writes the input. Every 'V' becomes 'v', so that no value can spell "EVAL:(": the
    // calculator ends the process by design on an operand or operator it cannot read, and it
    // has a fuzzer of its own.
    const std::string& write(const std::uint8_t* const data, const std::size_t size) const {
        std::string text(reinterpret_cast<const char*>(data), size);
        for (char& c : text) {
            c = c == 'V' ? 'v' : c;
        }
        std::ofstream(m_path, std::ios::binary | std::ios::trunc) << text;
        return m_path;
    }

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};
