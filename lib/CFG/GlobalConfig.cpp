#include "CFG/GlobalConfig.h"

#include "CFG/InfoParser.h"

namespace CFG {

// Both are built empty before main; the second only keeps the first one's address, so the
// order in which they are built does not matter.
Info s_Overrides(nullptr);
Info s_GlobalConfig(&s_Overrides);

Info* getDefaultOverrides() {
    return &s_Overrides;
}

Info* global() {
    return &s_GlobalConfig;
}

InfoParser& parser() {
    static InfoParser s_parser(&s_GlobalConfig);
    return s_parser;
}

void setConfig(const std::string& path) {
    s_GlobalConfig.reset();
    s_GlobalConfig.addConfig(path);
}

void addConfig(const std::string& path) {
    s_GlobalConfig.addConfig(path);
}

std::string get(const std::string& key) {
    return s_GlobalConfig.get(key);
}

} // namespace CFG
