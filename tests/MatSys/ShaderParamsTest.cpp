#include "MatSys/ShaderParams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using MatSys::ShaderParam;
using MatSys::ShaderParams;

// "1,2,...,count" and the words it gives.
std::string numbers(int count) {
    std::string text = "1";
    for (int i = 2; i <= count; ++i) {
        text += "," + std::to_string(i);
    }
    return text;
}

std::vector<double> oneTo(int count) {
    std::vector<double> words;
    for (int i = 1; i <= count; ++i) {
        words.push_back(i);
    }
    return words;
}

// The set's parameters as "name:type=value" texts in walk order, the walk being asked once
// more after it is done.
std::string walk(const ShaderParams& params) {
    std::string text;
    const auto it = params.getIterator();
    for (; !it->isDone(); it->next()) {
        const ShaderParam p = it->currentItem();
        text += p.getName() + ":" + p.getType() + "=" + p.getValue() + " ";
    }
    it->next();
    return text + it->currentItem().getName();
}

TEST(ShaderParamsTest, LinesGiveNameTypeVerbatimValueWordsAndArrayCount) {
    const struct {
        std::string line;
        std::string text;
        std::vector<double> words;
        int arrayCount;
    } cases[] = {
        {"color:4f=1, 0.5, 0.25, 1", "color:4f=1, 0.5, 0.25, 1", {1, 0.5, 0.25, 1}, 0},
        {" tint = 3f : 1 , 2 , 3 ", "tint:3f=1 , 2 , 3", {1, 2, 3}, 0},
        {"::a::1f==2=", "a:1f=2", {2}, 0},
        {"mask:1i=0x1F", "mask:1i=0x1F", {31}, 0},
        {"f:1f=0x10", "f:1f=0x10", {0}, 0},
        {"s:sampler2D=3", "s:sampler2D=3", {3}, 0},
        {"v:2f=,1,,2,", "v:2f=,1,,2,", {1, 2}, 0},
        {"e:1f= ", "e:1f=", {}, 0},
        {"o:2fv=1,2,3,4,5,6", "o:2fv=1,2,3,4,5,6", oneTo(6), 3},
        {"o:2iv=1,2,3", "o:2iv=1,2,3", oneTo(3), 0},
        {"n:1fv=" + numbers(10), "n:1fv=" + numbers(10), oneTo(10), 0},
        {"n:4fv=" + numbers(36), "n:4fv=" + numbers(36), oneTo(36), 9},
    };
    for (const auto& c : cases) {
        ShaderParams params;
        params.add(c.line);
        EXPECT_EQ(walk(params), c.text + " UNNAMED_SHADER_PARAM") << c.line;
        const ShaderParam p = params.getIterator()->currentItem();
        EXPECT_EQ(p.getArrayCount(), c.arrayCount) << c.line;
        for (std::size_t i = 0; i < ShaderParam::WORD_COUNT; ++i) {
            const double word = p.getType()[1] == 'f' ? static_cast<double>(p.getFloats()[i])
                                                      : static_cast<double>(p.getInts()[i]);
            EXPECT_EQ(word, i < c.words.size() ? c.words[i] : 0.0) << c.line << " word " << i;
        }
    }
    ShaderParams refused;
    refused.add(std::vector<std::string>{"a:1f", "a:1f=", "=a=1f=", "a:1f:2:3", "",
                                         ":=:", "n:4fv=" + numbers(37)});
    refused.add(ShaderParam("n", "1f", numbers(40)));
    EXPECT_EQ(walk(refused), "UNNAMED_SHADER_PARAM");
}

// Nothing in the system catches the conversion error, so a bad number ends the process.
void addUncaught(const std::string& line) noexcept {
    ShaderParams().add(line);
}

TEST(ShaderParamsDeathTest, MalformedNumberEndsTheProcessWithTheConversionError) {
    EXPECT_DEATH(addUncaught("x:1f=abc"), "what\\(\\):  Cant convert String to Num:abc\n");
}

TEST(ShaderParamsTest, ANameIsHeldOnceTheOtherSetWinsAMergeAndCopiesShareNothing) {
    ShaderParams params;
    params.add(std::vector<std::string>{"k:1f=1", "m:1f=3", "k:1f=2", "b:1i=0", "C:1i=0"});
    const ShaderParams copy(params);
    ShaderParams other;
    other.add(std::vector<std::string>{"k:1f=7", "j:1f=8"});
    params.merge(other);
    params.merge(params);
    EXPECT_EQ(walk(params), "C:1i=0 b:1i=0 j:1f=8 k:1f=7 m:1f=3 UNNAMED_SHADER_PARAM");
    EXPECT_EQ(walk(other), "j:1f=8 k:1f=7 UNNAMED_SHADER_PARAM");
    EXPECT_EQ(walk(copy), "C:1i=0 b:1i=0 k:1f=2 m:1f=3 UNNAMED_SHADER_PARAM");
}

} // namespace
