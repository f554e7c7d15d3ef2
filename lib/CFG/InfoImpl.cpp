#include "CFG/InfoImpl.h"

#include "CFG/INItoCFG.h"
#include "CFG/QuotedValue.h"
#include "Files/TextFile.h"
#include "Util/StringUtils.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace CFG {
namespace {

const std::string_view KEY_VALUE_SEPARATOR = Info::keyValueSeparator();
constexpr std::string_view SELECTOR_MARKER = "??";
constexpr std::string_view INCLUDE_PREFIX = "<INCLUDE";
constexpr std::string_view END_OF_FILE = "END_OF_CFG_RESOURCES";
constexpr std::string_view END_OF_ADDED_KEY = "END_OF_ADDED_KEY";
constexpr const char* MOD_SUFFIX = ".MOD";
constexpr std::string_view INI_SUFFIX = ".INI";
// Some editors write a UTF-8 byte-order mark first; it would stick to the first key.
constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

// Real configurations nest a few blocks and a few files; these only stop runaway input.
constexpr int MAX_BLOCK_DEPTH = 32;
constexpr std::size_t MAX_FILE_DEPTH = 32;

bool isIniPath(const std::string& path) {
    if (path.size() < INI_SUFFIX.size()) {
        return false;
    }
    return std::equal(INI_SUFFIX.begin(), INI_SUFFIX.end(), path.end() - INI_SUFFIX.size(),
                      [](const char suffix, const char c) {
                          return suffix == std::toupper(static_cast<unsigned char>(c));
                      });
}

// The same file reached through another spelling of its path is the same file.
std::string fileIdentity(const std::string& path) {
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::canonical(path, error);
    return error ? path : canonical.string();
}

} // namespace

Info::Impl::Impl(Info* const parent) : m_keys(m_nodes), m_parent(parent) {}

void Info::Impl::reset() {
    m_keys.clear();
    m_nodes.clear();
    m_texts.clear();
    m_addedLines.clear();
}

bool Info::Impl::addConfig(const std::string& path) {
    std::string identity = fileIdentity(path);
    if (m_loading.size() >= MAX_FILE_DEPTH ||
        std::find(m_loading.begin(), m_loading.end(), identity) != m_loading.end()) {
        return false;
    }
    std::string text;
    if (!Files::TextFile::load(path, text, "\n")) {
        return false;
    }
    if (Util::startswith(text, BYTE_ORDER_MARK)) {
        text.erase(0, BYTE_ORDER_MARK.size());
    }
    std::vector<std::string> converted;
    if (isIniPath(path) && !INItoCFG(text, converted)) {
        return false;
    }
    m_loading.push_back(std::move(identity));
    // An INI file is read twice: its converted lines, then its own lines, which hold no "=="
    // as a rule and are then ignored.
    std::vector<std::string_view> listed;
    listed.reserve(converted.size());
    for (std::string& line : converted) {
        listed.push_back(keep(std::move(line)));
    }
    LineCursor lines(listed, keep(std::move(text)));
    const bool parsed = populateMap(m_keys, lines, END_OF_FILE, 0);
    addConfig(path + MOD_SUFFIX);
    loadPendingIncludes();
    m_loading.pop_back();
    return parsed;
}

bool Info::Impl::add(const std::string& key, const std::string& value) {
    // On the heap, so that the views into it stay put when it is handed to its entry.
    auto text =
        std::make_unique<std::string>(key + " " + std::string(KEY_VALUE_SEPARATOR) + " " + value);
    // One line however many line feeds the value holds: a value copied from a quoted
    // multi-line entry stays whole, and its later lines never become entries of their own.
    const std::vector<std::string_view> line{*text};
    LineCursor cursor(line, std::string_view());
    m_lastStored = nullptr;
    const bool read = populateMap(m_keys, cursor, END_OF_ADDED_KEY, 0);
    // The line lives as long as the entry it made, so a key added again and again holds one
    // line, not all of them. A line that made no entry is referred to by nothing.
    if (m_lastStored != nullptr) {
        m_addedLines[m_lastStored] = std::move(text);
    }
    return read;
}

void Info::Impl::keys(std::vector<std::string>& out) const {
    out.clear();
    out.reserve(m_keys.size());
    for (const std::string_view key : m_keys.sortedKeys()) {
        out.emplace_back(key);
    }
}

bool Info::Impl::readKeyVal(const std::string_view line, std::string_view& key,
                            std::string_view& value, const std::string_view separator) {
    const std::size_t found = line.find(separator);
    if (found == std::string_view::npos) {
        return false;
    }
    key = Util::trimView(line.substr(0, found), Util::BLANKS);
    const std::string_view rest = line.substr(found + separator.size());
    if (!rest.empty()) {
        value = Util::trimView(rest, Util::BLANKS);
    }
    return true;
}

bool Info::Impl::populateMap(KeyMap& map, LineCursor& lines, const std::string_view terminator,
                             const int depth) {
    for (; !lines.atEnd(); lines.advance()) {
        const std::string_view line = Util::trimView(lines.line(), Util::BLANKS);
        if (!line.empty() && line.front() == '#') {
            continue;
        }
        std::string_view key;
        std::string_view value;
        if (readKeyVal(line, key, value, KEY_VALUE_SEPARATOR)) {
            if (!readPlainEntry(map, lines, key, value)) {
                return false;
            }
        } else if (readKeyVal(line, key, value, SELECTOR_MARKER)) {
            if (!readSelectorBlock(map, lines, key, value, depth)) {
                return false;
            }
        } else if (line == terminator) {
            return true;
        }
    }
    return true;
}

bool Info::Impl::readPlainEntry(KeyMap& map, LineCursor& lines, const std::string_view key,
                                std::string_view value) {
    if (opensQuotedValue(value)) {
        std::string gathered(value);
        if (!continueQuotedValue(lines, gathered)) {
            return false;
        }
        value = keep(std::move(gathered));
    }
    store(map, key, stripQuotes(value), nullptr);
    return true;
}

bool Info::Impl::readSelectorBlock(KeyMap& map, LineCursor& lines, const std::string_view key,
                                   const std::string_view selector, const int depth) {
    if (depth >= MAX_BLOCK_DEPTH) {
        return false;
    }
    KeyMap& block = *store(map, key, selector, std::make_unique<KeyMap>(m_nodes)).children;
    lines.advance();
    // On success the cursor stands on the block's closing line, which the caller steps past.
    return populateMap(block, lines, selector, depth + 1);
}

Info::Impl::Node& Info::Impl::store(KeyMap& map, const std::string_view key,
                                    const std::string_view value,
                                    std::unique_ptr<KeyMap> children) {
    if (Util::startswith(key, INCLUDE_PREFIX)) {
        m_pendingIncludes.emplace_back(key);
    }
    Node& node = map.assign(key, value, std::move(children));
    m_lastStored = &node;
    return node;
}

void Info::Impl::loadPendingIncludes() {
    // Taken out first: the files loaded here queue their own include keys and load them.
    std::vector<std::string> includes;
    includes.swap(m_pendingIncludes);
    for (const std::string& key : includes) {
        addConfig(get(key));
    }
}

std::string_view Info::Impl::keep(std::string text) {
    return m_texts.emplace_back(std::move(text));
}

} // namespace CFG
