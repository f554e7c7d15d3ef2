// The one text-file operation that knows the configuration. It reaches the configuration only
// through its virtual replaceKeys, so Files needs the CFG header but not the CFG library, which
// itself depends on Files.
#include "CFG/Info.h"
#include "Files/TextFile.h"

namespace Files {

bool TextFile::loadAndReplaceCfg(const CFG::Info* const config, const std::string& path,
                                 std::string& text, const char* const terminator) {
    std::string loaded;
    if (!load(path, loaded, terminator)) {
        return false;
    }
    text = config->replaceKeys(loaded);
    return true;
}

} // namespace Files
