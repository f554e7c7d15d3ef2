#include "CFG/LineCursor.h"

namespace CFG {

LineCursor::LineCursor(const std::string_view text) : m_rest(text) {
    advance();
}

LineCursor::LineCursor(const std::vector<std::string_view>& lines, const std::string_view text)
    : m_nextListed(lines.begin()), m_listEnd(lines.end()), m_rest(text) {
    advance();
}

void LineCursor::advance() {
    if (m_nextListed != m_listEnd) {
        m_line = *m_nextListed++;
        return;
    }
    while (!m_rest.empty()) {
        const std::size_t lineFeed = m_rest.find('\n');
        const std::string_view piece = m_rest.substr(0, lineFeed);
        m_rest =
            lineFeed == std::string_view::npos ? std::string_view() : m_rest.substr(lineFeed + 1);
        if (!piece.empty()) {
            m_line = piece;
            return;
        }
    }
    m_line = std::string_view();
    m_atEnd = true;
}

} // namespace CFG
