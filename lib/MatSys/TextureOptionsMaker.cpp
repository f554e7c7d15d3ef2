#include "MatSys/TextureOptionsMaker.h"

#include "Util/StringUtils.h"

#include <vector>

namespace MatSys {
namespace {

struct OptionWord {
    const char* word;
    bool TextureOptions::*flag;
    bool value;
};

constexpr OptionWord OPTION_WORDS[] = {
    {"2D", &TextureOptions::is2D, true},        {"3D", &TextureOptions::is2D, false},
    {"LINR", &TextureOptions::linear, true},    {"NEAR", &TextureOptions::linear, false},
    {"MIP", &TextureOptions::mipmaps, true},    {"NMIP", &TextureOptions::mipmaps, false},
    {"CMP", &TextureOptions::compressed, true}, {"NCMP", &TextureOptions::compressed, false},
};

} // namespace

TextureOptions TextureOptionsMaker::make(const std::string& name) const {
    TextureOptions options;
    std::vector<std::string> words;
    Util::splitString(name, ".", words, false, true);
    for (const std::string& word : words) {
        for (const OptionWord& option : OPTION_WORDS) {
            if (word == option.word) {
                options.*option.flag = option.value;
            }
        }
    }
    return options;
}

} // namespace MatSys
