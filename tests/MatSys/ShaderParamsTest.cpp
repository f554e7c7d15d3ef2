#include "MatSys/ShaderParams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using MatSys::ShaderParam;
using MatSys::ShaderParams;

// The single parameter a line adds, or null when it adds none.
std::unique_ptr<ShaderParam> paramOf(const std::string& line) {
    ShaderParams params;
    params.add(line);
    const auto walk = params.getIterator();
    return walk->isDone() ? nullptr : std::make_unique<ShaderParam>(walk->currentItem());
}

std::string numbers(int count) {
    std::string text = "1";
    for (int i = 1; i < count; ++i) {
        text += "," + std::to_string(i + 1);
    }
    return text;
}

std::vector<double> oneTo(int count) {
    std::vector<double> values;
    for (int i = 1; i <= count; ++i) {
        values.push_back(i);
    }
    return values;
}

TEST(ShaderParamsTest, LinesGiveNameTypeVerbatimValueWordsAndArrayCount) {
    const struct {
        std::string line;
        std::string name;
        std::string type;
        std::string value;
        std::vector<double> words;
        int arrayCount;
    } cases[] = {
        {"color:4f=1, 0.5, 0.25, 1", "color", "4f", "1, 0.5, 0.25, 1", {1, 0.5, 0.25, 1}, 0},
        {"tint=3f:1,2,3", "tint", "3f", "1,2,3", {1, 2, 3}, 0},
        {" tint : 3f = 1 , 2 , 3 ", "tint", "3f", "1 , 2 , 3", {1, 2, 3}, 0},
        {"::a::1f==2=", "a", "1f", "2", {2}, 0},
        {"mask:1i=0x1F", "mask", "1i", "0x1F", {31}, 0},
        {"mask:1i=0X1F", "mask", "1i", "0X1F", {0}, 0},
        {"m:2i=-7,1.9", "m", "2i", "-7,1.9", {-7, 1}, 0},
        {"f:1f=0x10", "f", "1f", "0x10", {0}, 0},
        {"f:1f=1.5x", "f", "1f", "1.5x", {1.5}, 0},
        {"s:sampler2D=3", "s", "sampler2D", "3", {3}, 0},
        {"v:2f=,1,,2,", "v", "2f", ",1,,2,", {1, 2}, 0},
        {"e:1f= ", "e", "1f", "", {}, 0},
        {"offs:2fv=1,2,3,4,5,6", "offs", "2fv", "1,2,3,4,5,6", oneTo(6), 3},
        {"offs:2fv=1,2,3", "offs", "2fv", "1,2,3", {1, 2, 3}, 0},
        {"n:3iv=1,2,3,4,5,6", "n", "3iv", "1,2,3,4,5,6", oneTo(6), 2},
        {"n:1fv=" + numbers(9), "n", "1fv", numbers(9), oneTo(9), 9},
        {"n:1fv=" + numbers(10), "n", "1fv", numbers(10), oneTo(10), 0},
        {"n:4fv=" + numbers(36), "n", "4fv", numbers(36), oneTo(36), 9},
        {"n:5fv=" + numbers(5), "n", "5fv", numbers(5), oneTo(5), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const auto param = paramOf(c.line);
        ASSERT_NE(param, nullptr);
        EXPECT_EQ(param->getName(), c.name);
        EXPECT_EQ(param->getType(), c.type);
        EXPECT_EQ(param->getValue(), c.value);
        EXPECT_EQ(param->getArrayCount(), c.arrayCount);
        const bool floats = c.type[1] == 'f';
        for (std::size_t i = 0; i < ShaderParam::s_wordCount; ++i) {
            const double expected = i < c.words.size() ? c.words[i] : 0.0;
            const double word = floats ? static_cast<double>(param->getFloats()[i])
                                       : static_cast<double>(param->getInts()[i]);
            EXPECT_EQ(word, expected) << i;
        }
    }
}

TEST(ShaderParamsTest, LinesWithoutThreePartsOrWithTooManyNumbersAddNothing) {
    for (const std::string& line : std::vector<std::string>{"a:1f", "a:1f=", "=a=1f=", "a:1f:2:3",
                                                            "", ":=:", "n:4fv=" + numbers(37)}) {
        EXPECT_EQ(paramOf(line), nullptr) << line;
    }
    ShaderParams params;
    params.add(ShaderParam("n", "1f", numbers(40)));
    EXPECT_TRUE(params.getIterator()->isDone());
}

// Nothing in the system catches the conversion error, so a bad number ends the process.
void addUncaught(const std::string& line) noexcept {
    ShaderParams().add(line);
}

TEST(ShaderParamsDeathTest, MalformedNumberEndsTheProcessWithTheConversionError) {
    EXPECT_DEATH(addUncaught("x:1f=abc"), "what\\(\\):  Cant convert String to Num:abc\n");
    EXPECT_DEATH(addUncaught("x:2i=1, zz 2"), "what\\(\\):  Cant convert String to Num:zz 2\n");
}

std::string walk(const ShaderParams& params) {
    std::string text;
    for (const auto it = params.getIterator(); !it->isDone(); it->next()) {
        const ShaderParam param = it->currentItem();
        text += param.getName() + "=" + param.getValue() + " ";
    }
    return text;
}

TEST(ShaderParamsTest, ANameIsHeldOnceTheOtherSetWinsAMergeAndWalksGoByName) {
    ShaderParams params;
    params.add(std::vector<std::string>{"k:1f=1", "m:1f=3", "k:1f=2", "b:1i=0", "C:1i=0"});
    EXPECT_EQ(walk(params), "C=0 b=0 k=2 m=3 ");
    const ShaderParams copy(params);
    ShaderParams other;
    other.add(std::vector<std::string>{"k:1f=7", "j:1f=8"});
    params.merge(other);
    EXPECT_EQ(walk(params), "C=0 b=0 j=8 k=7 m=3 ");
    EXPECT_EQ(walk(other), "j=8 k=7 ");
    EXPECT_EQ(walk(copy), "C=0 b=0 k=2 m=3 ");
    params.merge(params);
    EXPECT_EQ(walk(params), "C=0 b=0 j=8 k=7 m=3 ");
}

TEST(ShaderParamsTest, AFinishedIteratorYieldsTheDefaultParameterAgainAndAgain) {
    ShaderParams params;
    params.add("a:1i=5");
    const auto it = params.getIterator();
    it->next();
    for (int ask = 0; ask < 2; ++ask) {
        EXPECT_TRUE(it->isDone());
        const ShaderParam done = it->currentItem();
        EXPECT_EQ(done.getName(), "UNNAMED_SHADER_PARAM");
        EXPECT_EQ(done.getType(), "");
        EXPECT_EQ(done.getInts()[0], 0);
        it->next();
    }
    it->first();
    EXPECT_EQ(it->currentItem().getInts()[0], 5);
}

} // namespace
