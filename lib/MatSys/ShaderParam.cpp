#include "MatSys/ShaderParam.h"

#include "Util/StrToNum.h"
#include "Util/StringUtils.h"

#include <cstddef>
#include <string_view>
#include <utility>

namespace MatSys {
namespace {

constexpr std::size_t MAX_VALUES = ShaderParam::WORD_COUNT;
constexpr int MAX_ARRAY_COUNT = 9;

bool readsFloats(const std::string& type) {
    return type.size() >= 2 && type[1] == 'f';
}

int arrayCountOf(const std::string& type, const std::size_t valueCount) {
    if (type.empty() || type.back() != 'v' || type[0] < '1' || type[0] > '4') {
        return 0;
    }
    const auto elementSize = static_cast<std::size_t>(type[0] - '0');
    const std::size_t elements = valueCount / elementSize;
    const bool whole = valueCount % elementSize == 0;
    return whole && elements >= 1 && elements <= MAX_ARRAY_COUNT ? static_cast<int>(elements) : 0;
}

// The numbers of a value text: its comma-separated pieces, trimmed, empty ones dropped.
template <typename Visit>
void forEachValue(const std::string& value, const Visit& visit) {
    Util::forEachPiece(value, ",", false, true, visit);
}

} // namespace

ShaderParam::ShaderParam() : NamedObject("UNNAMED_SHADER_PARAM") {}

ShaderParam::ShaderParam(const std::string& name, std::string type, std::string value)
    : NamedObject(name), m_type(std::move(type)), m_value(std::move(value)) {
    std::size_t count = 0;
    forEachValue(m_value, [&count](std::string_view) { ++count; });
    m_valueCount = static_cast<int>(count);
    if (count > MAX_VALUES) {
        return;
    }
    std::size_t index = 0;
    // Pieces are short: their text copies stay inside the string and allocate nothing.
    if (readsFloats(m_type)) {
        forEachValue(m_value, [this, &index](const std::string_view piece) {
            m_words.floats[index++] = Util::strToNum<float>(std::string(piece), 10);
        });
    } else {
        forEachValue(m_value, [this, &index](const std::string_view piece) {
            m_words.ints[index++] = Util::strToNum<int>(std::string(piece));
        });
    }
    m_arrayCount = arrayCountOf(m_type, count);
}

} // namespace MatSys
