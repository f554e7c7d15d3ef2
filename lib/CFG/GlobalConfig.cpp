#include "CFG/GlobalConfig.h"

#include "CFG/InfoParser.h"

namespace CFG {

namespace {

// Both are built empty before main; the second only keeps the first one's address.
Info s_Overrides(nullptr);
Info s_GlobalConfig(&s_Overrides);

} // namespace

Info* getDefaultOverrides() {
    return &s_Overrides;
}

Info* global() {
    return &s_GlobalConfig;
}

InfoParser& parser() {
    static InfoParser theParser(&s_GlobalConfig);
    return theParser;
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
