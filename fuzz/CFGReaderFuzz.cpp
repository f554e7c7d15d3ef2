// Configuration text read from a file under an overrides parent, then every key it holds read,
// the keys listed and the text itself run through the key replacement.
#include "CFG/Info.h"
#include "ScratchFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

const ScratchFile s_input("input.cfg");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* const data, const std::size_t size) {
    const std::string& path = s_input.write(data, size);

    CFG::Info overrides(nullptr);
    overrides.add("MODE", "HIGH");
    overrides.add("SELF", ">>SELF");
    CFG::Info config(path, &overrides);
    std::vector<std::string> keys;
    config.keys(keys);
    for (const std::string& key : keys) {
        config.get(key);
    }
    config.replaceKeys(std::string(reinterpret_cast<const char*>(data), size));
    // Read again on top of itself: later definitions replace earlier ones.
    config.addConfig(path);
    config.keys(keys);
    return 0;
}
