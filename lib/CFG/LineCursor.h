#pragma once

#include <string_view>
#include <vector>

namespace CFG {

// Walks the lines of a configuration text without copying them: first the lines of a list,
// each taken whole (the converted lines of an INI file), then the text cut at every line
// feed, empty pieces dropped. The list and the text must outlive the cursor.
class LineCursor {
public:
    explicit LineCursor(std::string_view text);
    LineCursor(const std::vector<std::string_view>& lines, std::string_view text);

    bool atEnd() const { return m_atEnd; }
    // The current line, untrimmed.
    std::string_view line() const { return m_line; }
    // Steps to the next line; stays at the end once there.
    void advance();

private:
    std::vector<std::string_view>::const_iterator m_nextListed{};
    std::vector<std::string_view>::const_iterator m_listEnd{};
    std::string_view m_rest;
    std::string_view m_line;
    bool m_atEnd = false;
};

} // namespace CFG
