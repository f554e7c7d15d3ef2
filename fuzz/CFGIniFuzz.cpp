// INI text converted, then read from a file named .ini, whose every key is read back.
#include "CFG/INItoCFG.h"
#include "CFG/Info.h"
#include "ScratchFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

const ScratchFile s_input("input.ini");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* const data, const std::size_t size) {
    const std::string& path = s_input.write(data, size);

    std::vector<std::string> lines;
    CFG::INItoCFG(std::string(reinterpret_cast<const char*>(data), size), lines);

    const CFG::Info config(path, nullptr);
    std::vector<std::string> keys;
    config.keys(keys);
    for (const std::string& key : keys) {
        config.get(key);
    }
    return 0;
}
