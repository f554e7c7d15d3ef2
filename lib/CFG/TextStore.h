#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace CFG {

// The texts that the keys and values of one configuration are views into: whole files, lines
// added one at a time and values gathered over several lines. Each text counts the holds on
// it and is released with the last one, so a file read again over itself costs no more than
// the text its keys now refer to.
class TextStore {
public:
    using Id = std::uint32_t;

    // Keeps text, held once by the caller.
    Id keep(std::string text);
    std::string_view text(Id id) const { return m_entries[id].text; }
    void hold(Id id) { ++m_entries[id].holds; }
    // Lets go of one hold; the text goes with the last.
    void release(Id id);

private:
    struct Entry {
        std::string text;
        std::uint32_t holds;
    };

    // A deque never moves its entries, so views into a short text's inline buffer stay valid.
    std::deque<Entry> m_entries;
    std::vector<Id> m_unused;
};

} // namespace CFG
