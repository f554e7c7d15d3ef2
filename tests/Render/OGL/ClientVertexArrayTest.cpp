// Client-memory vertex arrays move bytes without any GL call, so these run without a display.
#include "Render/OGL/VertexArray.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

std::vector<unsigned char> contents(const OGL::VertexArray& array) {
    std::vector<unsigned char> bytes(array.getBufferSize());
    array.getData(bytes.data(), array.getBufferSize(), 0);
    return bytes;
}

TEST(ClientVertexArrayTest, VerticesAreThreeFloatsWhateverTheLayout) {
    OGL::VertexArray array(28);
    array.defineVertexInfo(2, Render::I_VertexArray::VA_FLOAT);
    const std::vector<unsigned char> marks(28, 0xAB);
    array.putData(marks.data(), 28, 0);
    std::vector<float> vertices(6);
    std::iota(vertices.begin(), vertices.end(), 1.0f);
    array.putVertices(vertices.data(), 2, 0);
    std::vector<float> back(6);
    array.getVertices(back.data(), 2, 0);
    EXPECT_EQ(back, vertices);
    EXPECT_EQ(contents(array)[24], 0xAB);
}

TEST(ClientVertexArrayTest, TransfersReachingOutsideDoNothing) {
    OGL::VertexArray array(8);
    const std::vector<unsigned char> zeros(8, 0);
    array.putData(zeros.data(), 8, 0);
    const std::vector<unsigned char> ones(16, 1);
    array.putData(ones.data(), 4, 6);
    array.putData(ones.data(), 9, 0);
    array.putData(ones.data(), 2, -1);
    array.putData(ones.data(), -1, 0);
    array.putVertices(reinterpret_cast<const float*>(ones.data()), 1, 0);
    EXPECT_EQ(contents(array), zeros);

    std::vector<unsigned char> out(16, 7);
    array.getData(out.data(), 4, 6);
    array.getData(out.data(), 2, -2);
    array.getData(out.data(), 16, 0);
    EXPECT_EQ(out, std::vector<unsigned char>(16, 7));
}

TEST(ClientVertexArrayTest, NegativeSizeMakesAnEmptyArray) {
    const OGL::VertexArray array(-16);
    EXPECT_EQ(array.getBufferSize(), 0);
}

TEST(ClientVertexArrayDeathTest, UnknownDataTypeEndsWithTheAbortReport) {
    OGL::VertexArray array(16);
    EXPECT_DEATH(array.defineColorInfo(4, static_cast<Render::I_VertexArray::DataType>(7)),
                 "^ABORT: Func:void OGL::VertexArray::setDataInfo\\(int, int, "
                 "Render::I_VertexArray::DataType\\) File:[^ ]*VertexArray\\.cpp Line: [0-9]+\n"
                 "ABORT: UNKNOWN VertexArrayDataType 7\n$");
}

} // namespace
