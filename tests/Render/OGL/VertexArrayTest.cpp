#include "ControllerFixture.h"
#include "Render/OGL/VertexBufferObject.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <numeric>
#include <tuple>

namespace {

using Array = std::unique_ptr<Render::I_VertexArray>;
using Bytes = std::vector<unsigned char>;
using Render::I_VertexArray;
constexpr I_VertexArray::DataType s_float = I_VertexArray::VA_FLOAT;
constexpr I_VertexArray::DataType s_byte = I_VertexArray::VA_UNSIGNED_BYTE;

// How a bound array feeds one GL array: component count (0 when disabled), then the type of
// a fixed-function array or the stride of a generic attribute, then the byte offset from
// the position's.
using Feed = std::tuple<GLint, GLint, std::intptr_t>;
// Position, texture coordinates, colour, secondary colour; or the seven generic attributes.
using Feeds = std::vector<Feed>;

std::intptr_t pointer(GLenum name) {
    void* p = nullptr;
    glGetPointerv(name, &p);
    return reinterpret_cast<std::intptr_t>(p);
}

Feeds clientFeeds() {
    const GLenum arrays[4][4] = {
        {GL_VERTEX_ARRAY, GL_VERTEX_ARRAY_SIZE, GL_VERTEX_ARRAY_TYPE, GL_VERTEX_ARRAY_POINTER},
        {GL_TEXTURE_COORD_ARRAY, GL_TEXTURE_COORD_ARRAY_SIZE, GL_TEXTURE_COORD_ARRAY_TYPE,
         GL_TEXTURE_COORD_ARRAY_POINTER},
        {GL_COLOR_ARRAY, GL_COLOR_ARRAY_SIZE, GL_COLOR_ARRAY_TYPE, GL_COLOR_ARRAY_POINTER},
        {GL_SECONDARY_COLOR_ARRAY, GL_SECONDARY_COLOR_ARRAY_SIZE, GL_SECONDARY_COLOR_ARRAY_TYPE,
         GL_SECONDARY_COLOR_ARRAY_POINTER}};
    Feeds feeds(4);
    for (std::size_t i = 0; i < 4; ++i) {
        if (glIsEnabled(arrays[i][0])) {
            feeds[i] = {integer(arrays[i][1]), integer(arrays[i][2]),
                        pointer(arrays[i][3]) - pointer(GL_VERTEX_ARRAY_POINTER)};
        }
    }
    return feeds;
}

// The seven generic attributes as fed now, offsets from attribute 0's.
Feeds attributeFeeds() {
    Feeds feeds(7);
    void* pointers[7] = {};
    for (GLuint i = 0; i < feeds.size(); ++i) {
        GLint value[3] = {};
        glGetVertexAttribiv(i, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &value[0]);
        glGetVertexAttribiv(i, GL_VERTEX_ATTRIB_ARRAY_SIZE, &value[1]);
        glGetVertexAttribiv(i, GL_VERTEX_ATTRIB_ARRAY_STRIDE, &value[2]);
        glGetVertexAttribPointerv(i, GL_VERTEX_ATTRIB_ARRAY_POINTER, &pointers[i]);
        if (value[0] != 0) {
            feeds[i] = {value[1], value[2],
                        static_cast<char*>(pointers[i]) - static_cast<char*>(pointers[0])};
        }
    }
    return feeds;
}

Bytes contents(const I_VertexArray& array) {
    Bytes bytes(static_cast<std::size_t>(array.getBufferSize()));
    array.getData(bytes.data(), array.getBufferSize(), 0);
    return bytes;
}

class VertexArrayTest : public ControllerTest {
protected:
    // Runs a check once with buffer objects and once with client memory.
    template <typename Check>
    void forBothKinds(Check check) {
        for (const int vbos : {1, 0}) {
            SCOPED_TRACE(vbos != 0 ? "buffer object" : "client memory");
            m_controller.setAbility(Render::HAVE_VBOS, vbos);
            check(vbos != 0);
        }
    }

    // Binds the array, compares what it feeds, and unbinds it.
    static void expectFeeds(const I_VertexArray& array, GLint stride, const Feeds& expected,
                            bool vbo) {
        array.beginUsing();
        EXPECT_EQ(clientFeeds(), expected);
        EXPECT_EQ(integer(GL_VERTEX_ARRAY_STRIDE), stride);
        EXPECT_EQ(integer(GL_ARRAY_BUFFER_BINDING) != 0, vbo);
        array.endUsing();
        EXPECT_EQ(clientFeeds(), Feeds(4));
        EXPECT_EQ(integer(GL_ARRAY_BUFFER_BINDING), 0);
    }
};

TEST_F(VertexArrayTest, SlotsInterleaveInDefinitionOrderAndARedefinedSlotMovesToTheEnd) {
    forBothKinds([&](bool vbo) {
        const Array array(m_controller.createVertexArray(64, false));
        array->defineVertexInfo(3, s_float);
        array->defineColorInfo(4, s_byte);
        array->defineTextureInfo(2, I_VertexArray::VA_SHORT);
        array->defineAttrInfo(3, s_byte);
        expectFeeds(*array, 23,
                    {{3, GL_FLOAT, 0},
                     {2, GL_SHORT, 16},
                     {4, GL_UNSIGNED_BYTE, 12},
                     {3, GL_UNSIGNED_BYTE, 20}},
                    vbo);
        array->defineVertexInfo(2, s_float);
        const Feeds moved{{2, GL_FLOAT, 0},
                          {2, GL_SHORT, -7},
                          {4, GL_UNSIGNED_BYTE, -11},
                          {3, GL_UNSIGNED_BYTE, -3}};
        expectFeeds(*array, 19, moved, vbo);
        array->setUseVertexInfoAsTextureInfo(true);
        expectFeeds(*array, 19, {moved[0], {2, GL_FLOAT, 0}, moved[2], moved[3]}, vbo);
    });
}

TEST_F(VertexArrayTest, FactoriesLayOutAndFillTheirArrays) {
    forBothKinds([&](bool vbo) {
        const Array colours(m_controller.createVTCArray(144, true));
        expectFeeds(*colours, 36, {{3, GL_FLOAT, 0}, {2, GL_FLOAT, 12}, {4, GL_FLOAT, 20}, {}},
                    vbo);
        const Render::TexturedQuad quad{{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {0, 1, 2, 3, 4}}};
        const Array quadArray(m_controller.createTexturedQuadVA(quad, true));
        expectFeeds(*quadArray, 20, {{3, GL_FLOAT, 0}, {2, GL_FLOAT, 12}, {}, {}}, vbo);
        Render::TexturedQuad back{};
        quadArray->getData(&back, sizeof back, 0);
        EXPECT_EQ(std::memcmp(&back, &quad, sizeof quad), 0);
        const Array quadZ(m_controller.createTexturedQuadVA(Render::TexturedQuadZTx{}, false));
        expectFeeds(*quadZ, 24, {{3, GL_FLOAT, 0}, {3, GL_FLOAT, 12}, {}, {}}, vbo);
    });
}

TEST_F(VertexArrayTest, AttributeArraysFeedNumberedAttributesAndRefuseIndicesPastThree) {
    forBothKinds([&](bool vbo) {
        const Array sprite(m_controller.createSpriteShaderArray(128, true));
        sprite->beginUsing();
        EXPECT_EQ(
            attributeFeeds(),
            (Feeds{
                {3, 64, 0}, {2, 64, 12}, {4, 64, 20}, {3, 64, 36}, {3, 64, 48}, {1, 64, 60}, {}}));
        EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
        EXPECT_EQ(integer(GL_ARRAY_BUFFER_BINDING) != 0, vbo);
        sprite->endUsing();
        EXPECT_EQ(attributeFeeds(), Feeds(7));
        EXPECT_EQ(integer(GL_ARRAY_BUFFER_BINDING), 0);

        const Array array(m_controller.createAttrArray(64, false));
        array->defineAttrInfo(4, 2, s_float);
        array->defineAttrInfo(-1, 2, s_float);
        array->defineVertexInfo(3, s_float);
        array->defineAttrInfo(3, 1, s_float);
        array->beginUsing();
        EXPECT_EQ(attributeFeeds(), (Feeds{{3, 16, 0}, {}, {}, {}, {}, {}, {1, 16, 12}}));
        array->endUsing();
    });
}

TEST_F(VertexArrayTest, TransfersStayInsideTheArrayAndKeepTheBinding) {
    forBothKinds([&](bool) {
        const Array array(m_controller.createVertexArray(16, false));
        const Array bound(m_controller.createVertexArray(16, false));
        bound->putData(Bytes(16, 0).data(), 16, 0);
        bound->beginUsing();
        const GLint binding = integer(GL_ARRAY_BUFFER_BINDING);
        Bytes bytes(16);
        std::iota(bytes.begin(), bytes.end(), 0);
        array->putData(bytes.data(), 16, 0);
        const Bytes ones(32, 1);
        for (const auto& [size, offset] : {std::pair{8, 12}, {4, -4}, {32, 0}, {-1, 0}}) {
            array->putData(ones.data(), size, offset);
        }
        EXPECT_EQ(integer(GL_ARRAY_BUFFER_BINDING), binding);
        EXPECT_EQ(contents(*bound), Bytes(16, 0));
        bound->endUsing();
        EXPECT_EQ(contents(*array), bytes);
        Bytes untouched(32, 9);
        for (const auto& [size, offset] : {std::pair{8, 12}, {4, -4}, {32, 0}}) {
            array->getData(untouched.data(), size, offset);
        }
        EXPECT_EQ(untouched, Bytes(32, 9));
        // Three floats per vertex, whatever the layout: 12 bytes fit behind offset 4; 24 do
        // not fit at all, nor does a count whose bytes wrap around the int range to 8.
        array->defineVertexInfo(2, s_float);
        const std::vector<float> vertices{1, 2, 3, 4, 5, 6};
        array->putVertices(vertices.data(), 1, 4);
        for (const int count : {2, 357913942}) {
            array->putVertices(vertices.data(), count, 0);
        }
        std::vector<float> back(3);
        array->getVertices(back.data(), 1, 4);
        EXPECT_EQ(back, (std::vector<float>{1, 2, 3}));
        EXPECT_EQ(contents(*array)[3], 3);
    });
}

TEST_F(VertexArrayTest, SizesThatCannotBeMadeLeaveNoBuffer) {
    forBothKinds([&](bool) {
        EXPECT_EQ(Array(m_controller.createVertexArray(-4, false)), nullptr);
        EXPECT_EQ(Array(m_controller.createVTCArray(-36, true)), nullptr);
        EXPECT_EQ(Array(m_controller.createAttrArray(-1, false)), nullptr);
        EXPECT_EQ(Array(m_controller.createSpriteShaderArray(-64, true)), nullptr);
    });
    m_controller.setAbility(Render::HAVE_VBOS, 1);
    GLuint sentinel = 0;
    glGenBuffers(1, &sentinel);
    glBindBuffer(GL_ARRAY_BUFFER, sentinel);
    const Array empty(m_controller.createVertexArray(0, false));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->getBufferSize(), 0);
    empty->beginUsing();
    EXPECT_EQ(integer(GL_ARRAY_BUFFER_BINDING), 0);
    empty->endUsing();
    // Usage 0 is no usage at all: GL refuses the storage and every map attempt fails.
    const OGL::VertexBufferObject failed(64, 0);
    EXPECT_EQ(failed.getBufferSize(), 0);
    EXPECT_FALSE(glIsBuffer(sentinel + 1));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glDeleteBuffers(1, &sentinel);
}

} // namespace
