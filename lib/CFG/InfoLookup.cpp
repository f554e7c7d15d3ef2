// The lookup half of CFG::Info::Impl: values are resolved on every read, never when loaded.
#include "CFG/InfoImpl.h"

#include "CFG/Calculator.h"
#include "Util/NumToStr.h"
#include "Util/StringUtils.h"

#include <optional>
#include <typeinfo>
#include <unordered_map>

namespace CFG {
namespace {

constexpr std::string_view REFERENCE_MARKER = "::";
constexpr std::string_view EVAL_MARKER = "EVAL:(";
constexpr std::string_view ALIAS_MARKER = ">>";
const std::string DEFAULT_CASE = "*";

// Whether reading the value changes it: it holds a reference, or is an expression or an alias.
// Asked on every read, so the prefixes are only compared for a value whose first character
// begins one.
bool needsResolving(const std::string_view value) {
    if (value.empty()) {
        return false;
    }
    const char first = value.front();
    if ((first == EVAL_MARKER.front() && Util::startswith(value, EVAL_MARKER)) ||
        (first == ALIAS_MARKER.front() && Util::startswith(value, ALIAS_MARKER))) {
        return true;
    }
    return value.find(REFERENCE_MARKER) != std::string_view::npos;
}

bool isKeyName(const std::string_view piece) {
    return !piece.empty() && piece.find_first_of(Util::BLANKS) == std::string_view::npos;
}

// value begins with "EVAL:(": the expression up to the matching ")", computed and written with
// six significant digits, then whatever followed the ")".
std::string evaluate(const std::string_view value) {
    const std::string_view rest = value.substr(EVAL_MARKER.size());
    std::size_t end = 0;
    for (int depth = 1; end < rest.size() && depth > 0; ++end) {
        depth += rest[end] == '(' ? 1 : rest[end] == ')' ? -1 : 0;
    }
    // Without a closing ")" the last character is dropped all the same.
    Calculator calculator(std::string(rest.substr(0, end == 0 ? 0 : end - 1)));
    return Util::numToStr<float>(calculator.parse(), 10, 0, -1) + std::string(rest.substr(end));
}

// Appends text to result with every key name between two "::" markers passed to
// append(result, name), which appends the name's value and returns false to give up.
template <typename Append>
bool appendReplaced(const std::string_view text, std::string& result, const Append& append) {
    std::size_t marker = text.find(REFERENCE_MARKER);
    result += text.substr(0, marker);
    // The pieces between markers alternate: key name candidate, literal text, candidate, ...
    bool candidate = true;
    while (marker != std::string_view::npos) {
        const std::size_t start = marker + REFERENCE_MARKER.size();
        marker = text.find(REFERENCE_MARKER, start);
        const std::string_view piece = text.substr(start, marker - start);
        if (!candidate) {
            result += piece;
        } else if (marker != std::string_view::npos && isKeyName(piece)) {
            if (!append(result, piece)) {
                return false;
            }
        } else {
            result += REFERENCE_MARKER;
            result += piece;
            if (marker != std::string_view::npos) {
                result += REFERENCE_MARKER;
            }
        }
        candidate = !candidate;
    }
    return true;
}

} // namespace

// One read of a key: every name it has resolved, how deep it is and how much text it has
// produced. Without a cycle a read resolves each name once, so values that name the same keys
// over and over cost no more than the keys they name; a cycle recurses to the depth limit.
struct Info::Impl::Read {
    // Real values nest references a few deep; this only stops cycles.
    static constexpr int MAX_DEPTH = 64;
    static constexpr std::size_t MAX_BYTES = std::size_t{4} << 20;

    // False, the read being given up from then on, when text of that size would take the
    // read past its limit.
    bool allows(const std::size_t size) {
        exhausted = exhausted || bytes + size > MAX_BYTES;
        return !exhausted;
    }

    // Made on the first nested name: most reads name none.
    std::optional<std::unordered_map<std::string, std::string>> resolved;
    int depth = 0;
    std::size_t bytes = 0;
    bool exhausted = false;
};

std::string Info::Impl::get(const std::string& key) const {
    return getHashed(key, KeyMap::hashOf(key));
}

std::string Info::Impl::getHashed(const std::string& key, const std::uint32_t hash) const {
    // Most reads are of plain text, given as it is by a non-empty answer of the parent (resolved
    // there already) or by a plain entry of this configuration; the overrides themselves are
    // mostly asked for names they do not hold. Only the rest is resolved.
    const auto resolveFully = [this, &key, hash] {
        Read read;
        return resolve(key, hash, read);
    };
    if (m_parent != nullptr) {
        std::string answer = askParent(key, hash);
        if (!answer.empty()) {
            return needsResolving(answer) ? resolveFully() : answer;
        }
    }
    const Node* const node = m_keys.find(key, hash);
    if (node == nullptr) {
        return std::string();
    }
    if (!node->children && !needsResolving(node->value())) {
        return std::string(node->value());
    }
    return resolveFully();
}

std::string Info::Impl::replaceKeys(const std::string& text) const {
    std::string result;
    // Every reference is a read of its own, as if it were read with get.
    appendReplaced(text, result, [this](std::string& out, const std::string_view name) {
        out += get(std::string(name));
        return true;
    });
    return result;
}

std::string Info::Impl::resolve(const std::string& key, const std::uint32_t hash,
                                Read& read) const {
    read.exhausted = read.exhausted || read.depth == Read::MAX_DEPTH;
    if (read.exhausted) {
        return std::string();
    }
    ++read.depth;
    std::string value = resolveValue(key, hash, read);
    --read.depth;
    // Once a nested read has given up every level gives up, so the whole read is empty and
    // no expression is computed from broken text.
    if (!read.allows(value.size())) {
        return std::string();
    }
    read.bytes += value.size();
    return value;
}

const std::string& Info::Impl::resolveOnce(const std::string& name, Read& read) const {
    if (!read.resolved) {
        read.resolved.emplace();
    }
    const auto known = read.resolved->find(name);
    if (known != read.resolved->end()) {
        return known->second;
    }
    std::string value = resolve(name, KeyMap::hashOf(name), read);
    return read.resolved->emplace(name, std::move(value)).first->second;
}

std::string Info::Impl::resolveValue(const std::string& key, const std::uint32_t hash,
                                     Read& read) const {
    std::string value = lookup(m_keys, key, hash, read);
    if (value.find(REFERENCE_MARKER) != std::string::npos) {
        std::string replaced;
        const auto append = [this, &read](std::string& out, const std::string_view name) {
            const std::string& named = resolveOnce(std::string(name), read);
            if (!read.allows(out.size() + named.size())) {
                return false;
            }
            out += named;
            return true;
        };
        if (!appendReplaced(value, replaced, append)) {
            return std::string();
        }
        value = std::move(replaced);
    }
    if (read.exhausted) {
        return std::string();
    }
    if (Util::startswith(value, EVAL_MARKER)) {
        return evaluate(value);
    }
    if (Util::startswith(value, ALIAS_MARKER)) {
        return resolveOnce(value.substr(ALIAS_MARKER.size()), read);
    }
    return value;
}

std::string Info::Impl::lookup(const KeyMap& map, const std::string& name, const std::uint32_t hash,
                               Read& read) const {
    std::string answer;
    const Node* const node = findUnlessParentAnswers(map, name, hash, answer);
    if (node == nullptr) {
        return answer;
    }
    if (!node->children) {
        return std::string(node->value());
    }
    const std::string& chosen = resolveOnce(std::string(node->value()), read);
    answer = lookup(*node->children, chosen, KeyMap::hashOf(chosen), read);
    return answer.empty()
               ? lookup(*node->children, DEFAULT_CASE, KeyMap::hashOf(DEFAULT_CASE), read)
               : answer;
}

const Info::Impl::Node* Info::Impl::findUnlessParentAnswers(const KeyMap& map,
                                                            const std::string& name,
                                                            const std::uint32_t hash,
                                                            std::string& answer) const {
    if (m_parent != nullptr) {
        answer = askParent(name, hash);
        if (!answer.empty()) {
            return nullptr;
        }
    }
    return map.find(name, hash);
}

std::string Info::Impl::askParent(const std::string& name, const std::uint32_t hash) const {
    // A parent of this very class is asked through its implementation with the hash worked
    // out here already; a parent of a derived class through its own get.
    if (typeid(*m_parent) == typeid(Info)) {
        return m_parent->m_impl->getHashed(name, hash);
    }
    return m_parent->get(name);
}

} // namespace CFG
