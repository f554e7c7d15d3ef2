#pragma once

#include "Util/NamedObject.h"

#include <string>

namespace MatSys {

// One named, typed value for a uniform of a GLSL program, read from the text of a parameter
// line: a type word such as "3f", "2iv" or "sampler2D" and a comma-separated list of
// numbers. The numbers are converted once, here, into a fixed block of words, so uploads
// never parse text.
class ShaderParam : public Util::NamedObject {
public:
    // The most numbers a parameter holds.
    static constexpr int WORD_COUNT = 36;

    // Named "UNNAMED_SHADER_PARAM", with no type, no value and every word 0.
    ShaderParam();
    // Converts the value text: as floats when the type word's second character is 'f', else
    // as ints (decimal, or hexadecimal after a lower-case "0x"). A text listing more than
    // WORD_COUNT numbers converts none. A number that does not begin with a digit throws
    // std::domain_error "Cant convert String to Num:" followed by its text.
    // The texts are taken by value so that a caller's temporaries move in.
    ShaderParam(const std::string& name, std::string type, std::string value);

    const std::string& getType() const { return m_type; }
    // The value text as written.
    const std::string& getValue() const { return m_value; }
    // The words, as floats for float types and as ints otherwise; unused words are 0.
    const float* getFloats() const { return m_words.floats; }
    const int* getInts() const { return m_words.ints; }
    // For "Nfv" and "Niv": the array elements of N numbers the values make, when they make
    // 1 to 9 whole elements; otherwise 0.
    int getArrayCount() const { return m_arrayCount; }
    // The numbers the value text lists, those beyond WORD_COUNT included.
    int getValueCount() const { return m_valueCount; }

private:
    std::string m_type;
    std::string m_value;
    // The type word decides which member was written and is read.
    union Words {
        float floats[WORD_COUNT];
        int ints[WORD_COUNT];
    } m_words{};
    int m_arrayCount = 0;
    int m_valueCount = 0;
};

} // namespace MatSys
