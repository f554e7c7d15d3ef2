#include "CFG/Info.h"

#include "CFG/InfoImpl.h"

namespace CFG {

Info::Info(Info* const parent) : m_impl(std::make_unique<Impl>(parent)) {}

Info::Info(const std::string& path, Info* const parent) : Info(parent) {
    if (!addConfig(path)) {
        reset();
    }
}

Info::~Info() = default;

void Info::reset() {
    m_impl->reset();
}

bool Info::addConfig(const std::string& path) {
    return m_impl->addConfig(path);
}

bool Info::add(const std::string& key, const std::string& value) {
    return m_impl->add(key, value);
}

std::string Info::get(const std::string& key) const {
    return m_impl->get(key);
}

void Info::keys(std::vector<std::string>& out) const {
    m_impl->keys(out);
}

std::string Info::replaceKeys(const std::string& text) const {
    return m_impl->replaceKeys(text);
}

const char* Info::keyValueSeparator() {
    return "==";
}

} // namespace CFG
