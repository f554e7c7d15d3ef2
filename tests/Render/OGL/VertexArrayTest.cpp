#include "ControllerFixture.h"
#include "Render/OGL/VertexBufferObject.h"

#include <GL/glew.h>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace {

using Array = std::unique_ptr<Render::I_VertexArray>;
using Render::I_VertexArray;

GLint integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

std::intptr_t pointer(GLenum name) {
    void* p = nullptr;
    glGetPointerv(name, &p);
    return reinterpret_cast<std::intptr_t>(p);
}

struct Attribute {
    GLint enabled;
    GLint size;
    GLint stride;
    std::intptr_t pointer;
};

Attribute attribute(GLuint index) {
    Attribute a{};
    glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &a.enabled);
    glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_SIZE, &a.size);
    glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_STRIDE, &a.stride);
    void* p = nullptr;
    glGetVertexAttribPointerv(index, GL_VERTEX_ATTRIB_ARRAY_POINTER, &p);
    a.pointer = reinterpret_cast<std::intptr_t>(p);
    return a;
}

// Runs each test once with buffer objects and once with client arrays.
class VertexArrayTest : public ControllerTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        if (!GetParam()) {
            m_controller.setAbility(Render::HAVE_VBOS, 0);
        }
    }

    bool bufferObjects() const { return GetParam(); }

    // Offsets of the client arrays from the position array, read while the array is bound.
    static std::intptr_t offsetFromVertex(GLenum name) {
        return pointer(name) - pointer(GL_VERTEX_ARRAY_POINTER);
    }
};

TEST_P(VertexArrayTest, VtcLayoutInterleavesPositionTextureAndColour) {
    const Array array(m_controller.createVTCArray(144, false));
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array->getBufferSize(), 144);
    array->beginUsing();
    EXPECT_EQ(integer(GL_VERTEX_ARRAY_STRIDE), 36);
    EXPECT_EQ(integer(GL_VERTEX_ARRAY_SIZE), 3);
    EXPECT_EQ(integer(GL_TEXTURE_COORD_ARRAY_SIZE), 2);
    EXPECT_EQ(integer(GL_COLOR_ARRAY_SIZE), 4);
    EXPECT_EQ(offsetFromVertex(GL_TEXTURE_COORD_ARRAY_POINTER), 12);
    EXPECT_EQ(offsetFromVertex(GL_COLOR_ARRAY_POINTER), 20);
    EXPECT_EQ(integer(GL_ARRAY_BUFFER_BINDING) != 0, bufferObjects());
    if (bufferObjects()) {
        EXPECT_EQ(pointer(GL_VERTEX_ARRAY_POINTER), 0);
    }
    array->endUsing();
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_COLOR_ARRAY));
    EXPECT_EQ(integer(GL_ARRAY_BUFFER_BINDING), 0);
}

TEST_P(VertexArrayTest, ComponentSizesAddUpToTheStride) {
    const Array array(m_controller.createVertexArray(64, false));
    array->defineVertexInfo(3, I_VertexArray::VA_FLOAT);
    array->defineColorInfo(4, I_VertexArray::VA_UNSIGNED_BYTE);
    array->defineTextureInfo(2, I_VertexArray::VA_SHORT);
    array->beginUsing();
    EXPECT_EQ(integer(GL_VERTEX_ARRAY_STRIDE), 20);
    EXPECT_EQ(offsetFromVertex(GL_COLOR_ARRAY_POINTER), 12);
    EXPECT_EQ(integer(GL_COLOR_ARRAY_TYPE), GL_UNSIGNED_BYTE);
    EXPECT_EQ(offsetFromVertex(GL_TEXTURE_COORD_ARRAY_POINTER), 16);
    EXPECT_EQ(integer(GL_TEXTURE_COORD_ARRAY_TYPE), GL_SHORT);
    array->endUsing();
}

TEST_P(VertexArrayTest, RedefinedSlotMovesToTheEndWithoutOverlap) {
    const Array array(m_controller.createVertexArray(64, false));
    array->defineVertexInfo(3, I_VertexArray::VA_FLOAT);
    array->defineTextureInfo(2, I_VertexArray::VA_FLOAT);
    array->defineVertexInfo(2, I_VertexArray::VA_FLOAT);
    array->beginUsing();
    EXPECT_EQ(integer(GL_VERTEX_ARRAY_STRIDE), 16);
    EXPECT_EQ(integer(GL_VERTEX_ARRAY_SIZE), 2);
    EXPECT_EQ(offsetFromVertex(GL_TEXTURE_COORD_ARRAY_POINTER), -8);
    array->endUsing();
}

TEST_P(VertexArrayTest, SecondaryColourComesFromTheFirstAttribute) {
    const Array array(m_controller.createVertexArray(64, false));
    array->defineVertexInfo(3, I_VertexArray::VA_FLOAT);
    array->defineAttrInfo(3, I_VertexArray::VA_UNSIGNED_BYTE);
    array->beginUsing();
    EXPECT_TRUE(glIsEnabled(GL_SECONDARY_COLOR_ARRAY));
    EXPECT_EQ(integer(GL_VERTEX_ARRAY_STRIDE), 15);
    EXPECT_EQ(offsetFromVertex(GL_SECONDARY_COLOR_ARRAY_POINTER), 12);
    array->endUsing();
    EXPECT_FALSE(glIsEnabled(GL_SECONDARY_COLOR_ARRAY));
}

TEST_P(VertexArrayTest, AttributeIndexOutsideZeroToThreeIsRefused) {
    const Array array(m_controller.createAttrArray(64, false));
    array->defineVertexInfo(3, I_VertexArray::VA_FLOAT);
    array->defineAttrInfo(4, 2, I_VertexArray::VA_FLOAT);
    array->defineAttrInfo(-1, 2, I_VertexArray::VA_FLOAT);
    array->defineAttrInfo(3, 1, I_VertexArray::VA_FLOAT);
    array->beginUsing();
    EXPECT_EQ(attribute(0).stride, 16);
    EXPECT_EQ(attribute(6).size, 1);
    EXPECT_EQ(attribute(6).pointer - attribute(0).pointer, 12);
    array->endUsing();
}

TEST_P(VertexArrayTest, PositionsDoubleAsTextureCoordinates) {
    const Array array(m_controller.createVertexArray(48, false));
    array->defineVertexInfo(3, I_VertexArray::VA_FLOAT);
    array->setUseVertexInfoAsTextureInfo(true);
    array->beginUsing();
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    EXPECT_EQ(integer(GL_TEXTURE_COORD_ARRAY_SIZE), 3);
    EXPECT_EQ(offsetFromVertex(GL_TEXTURE_COORD_ARRAY_POINTER), 0);
    array->endUsing();
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
}

TEST_P(VertexArrayTest, SpriteShaderArrayBindsSevenGenericAttributes) {
    const Array array(m_controller.createSpriteShaderArray(128, true));
    ASSERT_NE(array, nullptr);
    array->beginUsing();
    const GLint sizes[] = {3, 2, 4, 3, 3, 1};
    const std::intptr_t offsets[] = {0, 12, 20, 36, 48, 60};
    for (GLuint i = 0; i < 6; ++i) {
        const Attribute a = attribute(i);
        EXPECT_TRUE(a.enabled) << "attribute " << i;
        EXPECT_EQ(a.size, sizes[i]) << "attribute " << i;
        EXPECT_EQ(a.stride, 64) << "attribute " << i;
        EXPECT_EQ(a.pointer - attribute(0).pointer, offsets[i]) << "attribute " << i;
    }
    EXPECT_FALSE(attribute(6).enabled);
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    array->endUsing();
    for (GLuint i = 0; i < 6; ++i) {
        EXPECT_FALSE(attribute(i).enabled) << "attribute " << i;
    }
    EXPECT_EQ(integer(GL_ARRAY_BUFFER_BINDING), 0);
}

TEST_P(VertexArrayTest, DataRoundTripsAndOutsideTransfersDoNothing) {
    const Array array(m_controller.createVertexArray(16, false));
    std::vector<unsigned char> bytes(16);
    for (int i = 0; i < 16; ++i) {
        bytes[i] = static_cast<unsigned char>(i);
    }
    array->putData(bytes.data(), 16, 0);
    const std::vector<unsigned char> ones(32, 1);
    array->putData(ones.data(), 8, 12);
    array->putData(ones.data(), 4, -4);
    array->putData(ones.data(), 32, 0);
    std::vector<unsigned char> back(16, 0);
    array->getData(back.data(), 16, 0);
    EXPECT_EQ(back, bytes);
    std::vector<unsigned char> untouched(8, 9);
    array->getData(untouched.data(), 8, 12);
    EXPECT_EQ(untouched, std::vector<unsigned char>(8, 9));
}

TEST_P(VertexArrayTest, NegativeSizesGiveNull) {
    EXPECT_EQ(Array(m_controller.createVertexArray(-4, false)), nullptr);
    EXPECT_EQ(Array(m_controller.createVTCArray(-36, true)), nullptr);
    EXPECT_EQ(Array(m_controller.createAttrArray(-1, false)), nullptr);
    EXPECT_EQ(Array(m_controller.createSpriteShaderArray(-64, true)), nullptr);
}

TEST_P(VertexArrayTest, DrawsColouredQuadFromInterleavedData) {
    setWindowView();
    m_controller.doClear({0, 0, 0, 255});
    const Array array(m_controller.createVTCArray(4 * 36, true));
    std::vector<float> vertices;
    for (const auto& corner : {std::pair<float, float>{8, 8}, {40, 8}, {40, 40}, {8, 40}}) {
        vertices.insert(vertices.end(),
                        {corner.first, corner.second, 0, 0, 0, 0, 1, 0, 1}); // green
    }
    array->putData(vertices.data(), 4 * 36, 0);
    array->beginUsing();
    m_controller.drawArrays(Render::RT_QUADS, 0, 4);
    array->endUsing();
    EXPECT_EQ(pixel(20, 20), s_green);
    EXPECT_EQ(pixel(50, 50), s_black);
}

TEST_P(VertexArrayTest, TexturedQuadArraysHoldTheQuad) {
    const Render::TexturedQuad quad{{{-0.5f, 0.5f, 0, 0, 1},
                                     {-0.5f, -0.5f, 0, 0, 0},
                                     {0.5f, 0.5f, 0, 1, 1},
                                     {0.5f, -0.5f, 0, 1, 0}}};
    const Array array(m_controller.createTexturedQuadVA(quad, true));
    ASSERT_NE(array, nullptr);
    Render::TexturedQuad back{};
    array->getData(&back, sizeof(back), 0);
    EXPECT_EQ(back.vertices[2].x, 0.5f);
    EXPECT_EQ(back.vertices[0].v, 1.0f);
    array->beginUsing();
    EXPECT_EQ(integer(GL_VERTEX_ARRAY_STRIDE), 20);
    EXPECT_EQ(integer(GL_TEXTURE_COORD_ARRAY_SIZE), 2);
    array->endUsing();

    const Render::TexturedQuadZTx quadZ{{{0, 0, 0, 0, 0, 0.25f}}};
    const Array arrayZ(m_controller.createTexturedQuadVA(quadZ, false));
    ASSERT_NE(arrayZ, nullptr);
    EXPECT_EQ(arrayZ->getBufferSize(), 96);
    arrayZ->beginUsing();
    EXPECT_EQ(integer(GL_VERTEX_ARRAY_STRIDE), 24);
    EXPECT_EQ(integer(GL_TEXTURE_COORD_ARRAY_SIZE), 3);
    arrayZ->endUsing();
}

INSTANTIATE_TEST_SUITE_P(BufferObjectsAndClientMemory, VertexArrayTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "BufferObject" : "ClientMemory";
                         });

using VertexBufferObjectTest = ControllerTest;

TEST_F(VertexBufferObjectTest, TransferUsesItsOwnBufferAndKeepsTheBinding) {
    const Array first(m_controller.createVertexArray(8, false));
    const Array second(m_controller.createVertexArray(8, false));
    const unsigned char zeros[8] = {};
    second->putData(zeros, 8, 0);
    second->beginUsing();
    const GLint secondName = integer(GL_ARRAY_BUFFER_BINDING);
    const unsigned char bytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    first->putData(bytes, 8, 0);
    EXPECT_EQ(integer(GL_ARRAY_BUFFER_BINDING), secondName);
    unsigned char back[8] = {};
    second->getData(back, 8, 0);
    EXPECT_EQ(std::vector<unsigned char>(back, back + 8), std::vector<unsigned char>(8, 0));
    second->endUsing();
    first->getData(back, 8, 0);
    EXPECT_EQ(std::vector<unsigned char>(back, back + 8),
              std::vector<unsigned char>(bytes, bytes + 8));
}

TEST_F(VertexBufferObjectTest, ZeroSizeMakesNoBuffer) {
    const Array array(m_controller.createVertexArray(0, false));
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array->getBufferSize(), 0);
    GLuint sentinel = 0;
    glGenBuffers(1, &sentinel);
    glBindBuffer(GL_ARRAY_BUFFER, sentinel);
    array->beginUsing();
    EXPECT_EQ(integer(GL_ARRAY_BUFFER_BINDING), 0);
    array->endUsing();
    glDeleteBuffers(1, &sentinel);
}

TEST_F(VertexBufferObjectTest, FailedConstructionReleasesItsBuffer) {
    GLuint before = 0;
    glGenBuffers(1, &before);
    // Usage 0 is no usage at all: GL refuses the storage and every map attempt fails.
    const OGL::VertexBufferObject vbo(64, 0);
    EXPECT_EQ(vbo.getBufferSize(), 0);
    EXPECT_FALSE(glIsBuffer(before + 1));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glDeleteBuffers(1, &before);
}

} // namespace
