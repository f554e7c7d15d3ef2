#pragma once

#include "CFG/Info.h"
#include "CFG/KeyMap.h"
#include "CFG/LineCursor.h"

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace CFG {

// The state of a CFG::Info: the key tree, the override parent, the include keys waiting to be
// loaded, and the texts and nodes that the tree is made of.
class Info::Impl {
public:
    using Node = KeyMap::Node;

    explicit Impl(Info* parent);

    void reset();
    bool addConfig(const std::string& path);
    bool add(const std::string& key, const std::string& value);
    std::string get(const std::string& key) const;
    void keys(std::vector<std::string>& out) const;
    std::string replaceKeys(std::string text) const;

    // Splits line at the first separator into trimmed key and value; value is left as it is
    // when nothing follows the separator. False, changing nothing, without a separator.
    static bool readKeyVal(std::string_view line, std::string_view& key, std::string_view& value,
                           std::string_view separator);
    // Reads lines into map until the end or a line equal to terminator, on which the cursor
    // then stands. False when a quoted value is still open at the end or blocks nest too deep.
    bool populateMap(KeyMap& map, LineCursor& lines, std::string_view terminator, int depth);

private:
    // Bounds one read of a key, parent excluded: a reference, alias or selector that leads
    // back to its own key would recurse without end, and values naming the same key many
    // times over, nested, cost exponential time. Past either limit the read gives empty text.
    struct ReadBudget {
        int depth = 0;
        int lookups = 0;
        bool exhausted = false;
    };
    class ReadScope;

    bool readPlainEntry(KeyMap& map, LineCursor& lines, std::string_view key,
                        std::string_view value);
    bool readSelectorBlock(KeyMap& map, LineCursor& lines, std::string_view key,
                           std::string_view selector, int depth);
    Node& store(KeyMap& map, std::string_view key, std::string_view value,
                std::unique_ptr<KeyMap> children);
    void loadPendingIncludes();
    std::string_view keep(std::string text);

    std::string lookup(const KeyMap& map, const std::string& name) const;

    // Declared first: every map points into it.
    KeyMap::NodeStore m_nodes;
    KeyMap m_keys;
    Info* m_parent;
    std::vector<std::string> m_pendingIncludes;
    // Files being loaded, outermost first, so that a file including itself is skipped.
    std::vector<std::string> m_loading;
    // A deque never moves its strings, so views into them stay valid until reset.
    std::deque<std::string> m_texts;
    // The line each add made its entry from, by entry, replaced when the key is added again.
    std::unordered_map<const Node*, std::unique_ptr<std::string>> m_addedLines;
    const Node* m_lastStored = nullptr;
    mutable ReadBudget m_budget;
};

} // namespace CFG
