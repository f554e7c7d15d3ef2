#include "CFG/InfoImpl.h"

#include "CFG/INItoCFG.h"
#include "CFG/QuotedValue.h"
#include "Files/InputFile.h"
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

Info::Impl::Impl(Info* const parent) : m_keys(m_store), m_parent(parent) {}

void Info::Impl::reset() {
    m_keys.clear();
}

bool Info::Impl::addConfig(const std::string& path) {
    return addFile(Files::InputFile(path), path);
}

bool Info::Impl::addFile(const Files::InputFile& file, const std::string& path) {
    std::string text;
    if (m_loading.size() >= MAX_FILE_DEPTH || !readUnlessLoading(file, path, text)) {
        return false;
    }
    if (Util::startswith(text, BYTE_ORDER_MARK)) {
        text.erase(0, BYTE_ORDER_MARK.size());
    }
    std::vector<std::string> converted;
    if (isIniPath(path) && !INItoCFG(text, converted)) {
        return false;
    }
    m_loading.push_back({file.id(), path});
    // An INI file is read twice: its converted lines, then its own lines, which hold no "=="
    // as a rule and are then ignored. Both are kept as one text.
    std::string listedText;
    std::vector<std::size_t> listedSizes;
    for (const std::string& line : converted) {
        listedText += line;
        listedSizes.push_back(line.size());
    }
    text.insert(0, listedText);
    const bool parsed = readText(std::move(text), listedSizes, END_OF_FILE);
    addCompanionOf(path);
    loadPendingIncludes();
    m_loading.pop_back();
    if (m_loading.empty()) {
        m_companions.clear();
    }
    return parsed;
}

void Info::Impl::addCompanionOf(const std::string& path) {
    const std::string companion = CompanionFiles::companionOf(path);
    if (!m_companions.mayExist(companion)) {
        return;
    }
    const Files::InputFile file(companion);
    if (file.opened()) {
        addFile(file, companion);
    } else {
        m_companions.missed(companion);
    }
}

bool Info::Impl::readUnlessLoading(const Files::InputFile& file, const std::string& path,
                                   std::string& text) const {
    if (file.size() == 0) {
        return false;
    }
    const bool loading =
        std::any_of(m_loading.begin(), m_loading.end(), [&](const LoadingFile& other) {
            return other.id == file.id() && fileIdentity(other.path) == fileIdentity(path);
        });
    return !loading && Files::TextFile::load(file, text, "\n");
}

bool Info::Impl::add(const std::string& key, const std::string& value) {
    // One line however many line feeds the value holds: a value copied from a quoted
    // multi-line entry stays whole, and its later lines never become entries of their own.
    std::string line = key + " " + std::string(KEY_VALUE_SEPARATOR) + " " + value;
    const std::size_t size = line.size();
    return readText(std::move(line), {size}, END_OF_ADDED_KEY);
}

bool Info::Impl::readText(std::string text, const std::vector<std::size_t>& listedSizes,
                          const std::string_view terminator) {
    TextStore& texts = m_store.texts();
    m_readText = texts.keep(std::move(text));
    const std::string_view kept = texts.text(m_readText);
    std::vector<std::string_view> listed;
    listed.reserve(listedSizes.size());
    std::size_t start = 0;
    for (const std::size_t size : listedSizes) {
        listed.push_back(kept.substr(start, size));
        start += size;
    }
    LineCursor lines(listed, kept.substr(start));
    const bool read = populateMap(m_keys, lines, terminator, 0);
    // The entries read hold the text now; one that made none goes here.
    texts.release(m_readText);
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
                                const std::string_view value) {
    if (!opensQuotedValue(value)) {
        store(map, key, stripQuotes(value), m_readText, nullptr);
        return true;
    }
    std::string gathered(value);
    if (!continueQuotedValue(lines, gathered)) {
        return false;
    }
    TextStore& texts = m_store.texts();
    const TextStore::Id gatheredText = texts.keep(std::move(gathered));
    store(map, key, stripQuotes(texts.text(gatheredText)), gatheredText, nullptr);
    texts.release(gatheredText);
    return true;
}

bool Info::Impl::readSelectorBlock(KeyMap& map, LineCursor& lines, const std::string_view key,
                                   const std::string_view selector, const int depth) {
    if (depth >= MAX_BLOCK_DEPTH) {
        return false;
    }
    KeyMap& block =
        *store(map, key, selector, m_readText, std::make_unique<KeyMap>(m_store)).children;
    lines.advance();
    // On success the cursor stands on the block's closing line, which the caller steps past.
    return populateMap(block, lines, selector, depth + 1);
}

Info::Impl::Node& Info::Impl::store(KeyMap& map, const std::string_view key,
                                    const std::string_view value, const TextStore::Id valueText,
                                    std::unique_ptr<KeyMap> children) {
    if (Util::startswith(key, INCLUDE_PREFIX)) {
        m_pendingIncludes.emplace_back(key);
    }
    return map.assign(key, m_readText, value, valueText, std::move(children));
}

void Info::Impl::loadPendingIncludes() {
    // Taken out first: the files loaded here queue their own include keys and load them.
    std::vector<std::string> includes;
    includes.swap(m_pendingIncludes);
    for (const std::string& key : includes) {
        addConfig(get(key));
    }
}

} // namespace CFG
