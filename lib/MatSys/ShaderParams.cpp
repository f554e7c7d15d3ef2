#include "MatSys/ShaderParams.h"

#include "Util/StringUtils.h"

#include <cstddef>
#include <string_view>
#include <utility>

namespace MatSys {
namespace {

constexpr std::size_t LINE_PARTS = 3;

bool isSeparator(const char c) {
    return c == ':' || c == '=';
}

// Cuts a line at runs of separators into trimmed parts; false unless it gives exactly three.
// A plain scan: the search calls of std::string take one library call per character here.
bool cutLine(const std::string& line, std::string (&parts)[LINE_PARTS]) {
    std::size_t count = 0;
    std::size_t position = 0;
    const std::size_t size = line.size();
    while (true) {
        while (position != size && isSeparator(line[position])) {
            ++position;
        }
        if (position == size) {
            return count == LINE_PARTS;
        }
        if (count == LINE_PARTS) {
            return false;
        }
        const std::size_t start = position;
        while (position != size && !isSeparator(line[position])) {
            ++position;
        }
        const std::string_view part(line.data() + start, position - start);
        parts[count++] = Util::trimView(part, Util::BLANKS);
    }
}

// The null value of every set, made once.
const ShaderParam& defaultParam() {
    static const ShaderParam DEFAULT;
    return DEFAULT;
}

} // namespace

ShaderParams::ShaderParams() : m_params(defaultParam()) {}

void ShaderParams::add(const ShaderParam& param) {
    if (param.getValueCount() <= ShaderParam::WORD_COUNT) {
        m_params.add(param.getName(), param);
    }
}

void ShaderParams::add(const std::string& line) {
    std::string parts[LINE_PARTS];
    if (cutLine(line, parts)) {
        add(ShaderParam(parts[0], std::move(parts[1]), std::move(parts[2])));
    }
}

void ShaderParams::add(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        add(line);
    }
}

void ShaderParams::merge(const ShaderParams& other) {
    other.forEach([this](const ShaderParam& param) { add(param); });
}

std::unique_ptr<ShaderParamsIterator> ShaderParams::getIterator() const {
    return std::make_unique<ShaderParamsIterator>(m_params.getIterator());
}

} // namespace MatSys
