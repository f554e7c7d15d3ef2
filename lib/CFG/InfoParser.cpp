#include "CFG/InfoParser.h"

#include "Util/Abort.h"
#include "Util/StrToNum.h"

namespace CFG {
namespace {

// Every piece is converted, and may throw, before the caller checks the count.
template <typename NumType>
std::vector<NumType> readNumbers(const std::string& text) {
    std::vector<std::string> pieces;
    // Room for a point, so that the pieces of a range or a point take one allocation: the
    // game view reads its points every frame.
    pieces.reserve(3);
    Util::splitString(text, ",", pieces, false, true);
    std::vector<NumType> numbers;
    numbers.reserve(pieces.size());
    for (const std::string& piece : pieces) {
        numbers.push_back(Util::strToNum<NumType>(piece));
    }
    return numbers;
}

} // namespace

InfoParser::StringPairGettor::StringPairGettor(const std::string& separator)
    : m_separator(separator) {}

InfoParser::StringPairGettor::~StringPairGettor() = default;

std::pair<std::string, std::string>
InfoParser::StringPairGettor::operator()(const std::string& text) {
    std::vector<std::string> parts;
    const std::size_t count = Util::splitString(text, m_separator, parts, false, true);
    if (count != 2) {
        // The message names "<str1>:<str2>" whatever the separator is.
        UTIL_ABORT("Invalid string pair part: " << text << ". Expected <str1>:<str2>, 2 parts not "
                                                << count);
    }
    return {std::move(parts[0]), std::move(parts[1])};
}

InfoParser::InfoParser(const Info* const config) : m_config(config) {}

template <typename NumType>
NumType InfoParser::getNumber(const std::string& key) const {
    return Util::strToNum<NumType>(m_config->get(key));
}

bool InfoParser::getBool(const std::string& key) const {
    const std::string value = m_config->get(key);
    return value == "YES" || value == "Y" || value == "1";
}

template <typename NumType>
Util::Range<NumType> InfoParser::getRange(const std::string& key) const {
    const std::vector<NumType> numbers = readNumbers<NumType>(m_config->get(key));
    if (numbers.size() != 2) {
        UTIL_ABORT("Failed to read Range " << key << " Got " << numbers.size() << " values");
    }
    return {numbers[0], numbers[1]};
}

template <typename NumType>
MathStuff::Vector3<NumType> InfoParser::getPoint(const std::string& key) const {
    const std::vector<NumType> numbers = readNumbers<NumType>(m_config->get(key));
    if (numbers.size() != 3) {
        UTIL_ABORT("Failed to read Point " << key << " Got " << numbers.size() << " values");
    }
    return {numbers[0], numbers[1], numbers[2]};
}

template int InfoParser::getNumber<int>(const std::string&) const;
template unsigned int InfoParser::getNumber<unsigned int>(const std::string&) const;
template unsigned long InfoParser::getNumber<unsigned long>(const std::string&) const;
template float InfoParser::getNumber<float>(const std::string&) const;
template Util::Range<int> InfoParser::getRange<int>(const std::string&) const;
template Util::Range<float> InfoParser::getRange<float>(const std::string&) const;
template MathStuff::Vector3<float> InfoParser::getPoint<float>(const std::string&) const;

} // namespace CFG
