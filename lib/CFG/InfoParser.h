#pragma once

#include "CFG/Info.h"
#include "MathStuff/Vector3.h"
#include "Util/Range.h"
#include "Util/StringUtils.h"

#include <string>
#include <utility>
#include <vector>

namespace CFG {

// Typed reads of a configuration's text values: numbers, booleans, ranges, points and lists
// of objects. The key is looked up again on every call. A value that is not a number of the
// type throws std::domain_error "Cant convert String to Num:" and the text, which nothing
// catches; a range, point or pair of the wrong size ends the process with the abort report.
class InfoParser {
public:
    // Turns the text of one list item into a T. Gettors live on their caller's stack and are
    // never deleted through this base.
    template <typename T>
    class ObjGettor {
    public:
        virtual T operator()(const std::string& text) = 0;

    protected:
        ~ObjGettor() = default;
    };

    // Splits an item at the separator into two trimmed, non-empty texts.
    class StringPairGettor : public ObjGettor<std::pair<std::string, std::string>> {
    public:
        explicit StringPairGettor(const std::string& separator);
        std::pair<std::string, std::string> operator()(const std::string& text) override;
        virtual ~StringPairGettor();

    private:
        std::string m_separator;
    };

    // The configuration is not owned and must outlive the parser.
    explicit InfoParser(const Info* config);

    // 0 for a missing key; hexadecimal after "0x"; text after the number is ignored.
    // Instances: int, unsigned int, unsigned long, float.
    template <typename NumType>
    NumType getNumber(const std::string& key) const;
    // True exactly for "YES", "Y" and "1".
    bool getBool(const std::string& key) const;
    // Exactly two comma-separated numbers, min then max. Instances: int, float.
    template <typename NumType>
    Util::Range<NumType> getRange(const std::string& key) const;
    // Exactly three comma-separated numbers. Instance: float.
    template <typename NumType>
    MathStuff::Vector3<NumType> getPoint(const std::string& key) const;
    // Appends one object per non-empty, trimmed item of the value cut at separator.
    template <typename T>
    void getObjList(const std::string& key, ObjGettor<T>& gettor, std::vector<T>& out,
                    const std::string& separator) const;

private:
    const Info* m_config;
};

template <typename T>
void InfoParser::getObjList(const std::string& key, ObjGettor<T>& gettor, std::vector<T>& out,
                            const std::string& separator) const {
    std::vector<std::string> items;
    Util::splitString(m_config->get(key), separator, items, false, true);
    for (const std::string& item : items) {
        out.push_back(gettor(item));
    }
}

} // namespace CFG
