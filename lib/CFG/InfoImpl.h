#pragma once

#include "CFG/CompanionFiles.h"
#include "CFG/Info.h"
#include "CFG/KeyMap.h"
#include "CFG/LineCursor.h"
#include "Files/InputFile.h"

#include <memory>
#include <string>
#include <string_view>
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
    // get with the key's hash worked out already.
    std::string getHashed(const std::string& key, std::uint32_t hash) const;
    void keys(std::vector<std::string>& out) const;
    std::string replaceKeys(const std::string& text) const;

    // Splits line at the first separator into trimmed key and value; value is left as it is
    // when nothing follows the separator. False, changing nothing, without a separator.
    static bool readKeyVal(std::string_view line, std::string_view& key, std::string_view& value,
                           std::string_view separator);
    // Reads lines into map until the end or a line equal to terminator, on which the cursor
    // then stands. False when a quoted value is still open at the end or blocks nest too deep.
    bool populateMap(KeyMap& map, LineCursor& lines, std::string_view terminator, int depth);

private:
    struct Read;
    // A file being loaded: what it is on disk, and the path that reached it.
    struct LoadingFile {
        Files::InputFile::Id id;
        std::string path;
    };

    // Loads the file opened from path, the steps of addConfig after the open.
    bool addFile(const Files::InputFile& file, const std::string& path);
    // Loads the companion file of path, where it may exist.
    void addCompanionOf(const std::string& path);
    // Reads the file unless it is one of those being loaded. Only a file that is the same on
    // disk as one of them has its path resolved, so that a file costs one open, and a missing
    // companion file that open alone.
    bool readUnlessLoading(const Files::InputFile& file, const std::string& path,
                           std::string& text) const;

    bool readPlainEntry(KeyMap& map, LineCursor& lines, std::string_view key,
                        std::string_view value);
    bool readSelectorBlock(KeyMap& map, LineCursor& lines, std::string_view key,
                           std::string_view selector, int depth);
    // Reads text, the lines of the given sizes at its start taken whole, then the rest cut
    // at line feeds, keeping the text while the entries read from it refer to it.
    bool readText(std::string text, const std::vector<std::size_t>& listedSizes,
                  std::string_view terminator);
    // Stores an entry whose key is a view into the text being read.
    Node& store(KeyMap& map, std::string_view key, std::string_view value, TextStore::Id valueText,
                std::unique_ptr<KeyMap> children);
    void loadPendingIncludes();

    // The key's value resolved within the read; empty once the read has given up.
    std::string resolve(const std::string& key, std::uint32_t hash, Read& read) const;
    // The same, resolved only on the read's first call for the name.
    const std::string& resolveOnce(const std::string& name, Read& read) const;
    std::string resolveValue(const std::string& key, std::uint32_t hash, Read& read) const;
    // The name's value in one map: the parent's when it has one, else the map's own, a
    // selector block's choice for a block.
    std::string lookup(const KeyMap& map, const std::string& name, std::uint32_t hash,
                       Read& read) const;
    // The name's node in map when the parent gives it no value, else null with the parent's
    // non-empty answer.
    const Node* findUnlessParentAnswers(const KeyMap& map, const std::string& name,
                                        std::uint32_t hash, std::string& answer) const;
    std::string askParent(const std::string& name, std::uint32_t hash) const;

    // Declared first: every map points into it.
    KeyMap::Store m_store;
    KeyMap m_keys;
    Info* m_parent;
    std::vector<std::string> m_pendingIncludes;
    // Files being loaded, outermost first, so that a file including itself is skipped.
    std::vector<LoadingFile> m_loading;
    // The companions in the folders of the files the load in progress reads.
    CompanionFiles m_companions;
    // The text whose lines are being read.
    TextStore::Id m_readText = 0;
};

} // namespace CFG
