#pragma once

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

// A fresh folder below the system's temporary folder (TMPDIR where it is set), removed with its
// contents at the end of the test; each one is private to its process:
//     const ScratchDir dir;
//     CFG::Info config(dir.write("game.cfg", "KEY == 1\n"), nullptr);
class ScratchDir {
public:
    ScratchDir() {
        const std::string pattern =
            (std::filesystem::temp_directory_path() / "kessok-XXXXXX").string();
        std::string path = pattern;
        if (mkdtemp(path.data()) == nullptr) {
            const int error = errno;
            throw std::runtime_error("mkdtemp failed for " + pattern + ": " + std::strerror(error));
        }
        m_path = path;
    }
    ~ScratchDir() {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string path(const std::string& name) const { return m_path + "/" + name; }
    const std::string& path() const { return m_path; }

    // Writes content as it is, without any line end added; returns the file's path.
    std::string write(const std::string& name, const std::string& content) const {
        std::ofstream(path(name), std::ios::binary) << content;
        return path(name);
    }

    std::string read(const std::string& name) const {
        std::ifstream file(path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

private:
    std::string m_path;
};
