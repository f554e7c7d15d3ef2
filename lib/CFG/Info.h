#pragma once

#include <memory>
#include <string>
#include <vector>

namespace CFG {

// One configuration: keys read from configuration text, each value resolved when it is read
// (references, expressions, aliases, selector blocks), and an optional override parent that
// is asked first for every name looked up, a non-empty answer of the parent winning.
class Info {
public:
    // The parent is not owned and must outlive this configuration; null for none.
    explicit Info(Info* parent);
    // A configuration whose file is missing, empty or malformed is left empty.
    Info(const std::string& path, Info* parent);
    virtual ~Info();

    Info(const Info&) = delete;
    Info& operator=(const Info&) = delete;

    // Removes every entry; the parent and the include keys not loaded yet stay.
    virtual void reset();
    // Reads the file, then its ".MOD" companion, then the files named by the include keys
    // read meanwhile. True when the file was read and every line of it parsed.
    virtual bool addConfig(const std::string& path);
    // Reads the single line key == value as a line of a file.
    virtual bool add(const std::string& key, const std::string& value);
    // The key's resolved value; empty when neither the parent nor this configuration has one.
    virtual std::string get(const std::string& key) const;
    // Replaces out with this configuration's own top-level keys in byte order.
    virtual void keys(std::vector<std::string>& out) const;
    // text with every key name between two "::" markers replaced by the key's value.
    virtual std::string replaceKeys(const std::string& text) const;

    static const char* keyValueSeparator();

    class Impl;

private:
    std::unique_ptr<Impl> m_impl;
};

} // namespace CFG
