#include "CFG/GlobalConfig.h"

#include "CFG/InfoParser.h"

namespace CFG {

namespace {

// Both are built empty before main; the second only keeps the first one's address.
Info s_overrides(nullptr);
Info s_globalConfig(&s_overrides);

} // namespace

Info* getDefaultOverrides() {
    return &s_overrides;
}

Info* global() {
    return &s_globalConfig;
}

InfoParser& parser() {
    static InfoParser s_parser(&s_globalConfig);
    return s_parser;
}

void setConfig(const std::string& path) {
    s_globalConfig.reset();
    s_globalConfig.addConfig(path);
}

void addConfig(const std::string& path) {
    s_globalConfig.addConfig(path);
}

std::string get(const std::string& key) {
    return s_globalConfig.get(key);
}

} // namespace CFG
