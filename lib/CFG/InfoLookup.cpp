// The lookup half of CFG::Info::Impl: values are resolved on every read, never when loaded.
#include "CFG/InfoImpl.h"

#include "CFG/Calculator.h"
#include "Util/NumToStr.h"
#include "Util/StringUtils.h"

namespace CFG {
namespace {

constexpr std::string_view REFERENCE_MARKER = "::";
constexpr std::string_view EVAL_MARKER = "EVAL:(";
constexpr std::string_view ALIAS_MARKER = ">>";
const std::string DEFAULT_CASE = "*";

constexpr int MAX_READ_DEPTH = 64;
constexpr int MAX_READ_LOOKUPS = 4096;

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

} // namespace

class Info::Impl::ReadScope {
public:
    explicit ReadScope(ReadBudget& budget) : m_budget(budget) {
        if (m_budget.depth == 0) {
            m_budget.lookups = 0;
            m_budget.exhausted = false;
        }
        ++m_budget.depth;
        if (m_budget.depth > MAX_READ_DEPTH || ++m_budget.lookups > MAX_READ_LOOKUPS) {
            m_budget.exhausted = true;
        }
    }
    ~ReadScope() { --m_budget.depth; }
    ReadScope(const ReadScope&) = delete;
    ReadScope& operator=(const ReadScope&) = delete;

    bool exhausted() const { return m_budget.exhausted; }

private:
    ReadBudget& m_budget;
};

std::string Info::Impl::get(const std::string& key) const {
    const ReadScope scope(m_budget);
    if (scope.exhausted()) {
        return std::string();
    }
    std::string value = replaceKeys(lookup(m_keys, key));
    // Once a nested read has run out of budget every level gives up, so the whole read is
    // empty and no expression is computed from the broken text.
    if (scope.exhausted()) {
        return std::string();
    }
    if (Util::startswith(value, EVAL_MARKER)) {
        return evaluate(value);
    }
    if (Util::startswith(value, ALIAS_MARKER)) {
        return get(value.substr(ALIAS_MARKER.size()));
    }
    return value;
}

std::string Info::Impl::lookup(const KeyMap& map, const std::string& name) const {
    if (m_parent != nullptr) {
        std::string answer = m_parent->get(name);
        if (!answer.empty()) {
            return answer;
        }
    }
    const Node* const node = map.find(name);
    if (node == nullptr) {
        return std::string();
    }
    if (!node->children) {
        return std::string(node->value());
    }
    std::string chosen = lookup(*node->children, get(std::string(node->value())));
    return chosen.empty() ? lookup(*node->children, DEFAULT_CASE) : chosen;
}

std::string Info::Impl::replaceKeys(std::string text) const {
    std::size_t marker = text.find(REFERENCE_MARKER);
    if (marker == std::string::npos) {
        return text;
    }
    const std::string_view whole = text;
    std::string result(whole.substr(0, marker));
    // The pieces between markers alternate: key name candidate, literal text, candidate, ...
    bool candidate = true;
    while (marker != std::string::npos) {
        const std::size_t start = marker + REFERENCE_MARKER.size();
        marker = whole.find(REFERENCE_MARKER, start);
        const std::string_view piece = whole.substr(start, marker - start);
        if (!candidate) {
            result += piece;
        } else if (marker != std::string::npos && isKeyName(piece)) {
            result += get(std::string(piece));
        } else {
            result += REFERENCE_MARKER;
            result += piece;
            if (marker != std::string::npos) {
                result += REFERENCE_MARKER;
            }
        }
        candidate = !candidate;
    }
    return result;
}

} // namespace CFG
