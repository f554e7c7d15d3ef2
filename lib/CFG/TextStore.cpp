#include "CFG/TextStore.h"

#include <utility>

namespace CFG {

TextStore::Id TextStore::keep(std::string text) {
    if (m_unused.empty()) {
        m_entries.push_back(Entry{std::move(text), 1});
        return static_cast<Id>(m_entries.size() - 1);
    }
    const Id id = m_unused.back();
    m_unused.pop_back();
    m_entries[id] = Entry{std::move(text), 1};
    return id;
}

void TextStore::release(const Id id) {
    Entry& entry = m_entries[id];
    if (--entry.holds == 0) {
        entry.text = std::string();
        m_unused.push_back(id);
    }
}

} // namespace CFG
