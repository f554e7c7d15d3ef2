#include "ControllerFixture.h"

#include <memory>

namespace {

using Buffer = std::unique_ptr<Render::I_PixelBuffer>;
using Bytes = std::vector<unsigned char>;
using PixelBufferTest = ControllerTest;

Bytes repeat(const Pixel& pixel, int count) {
    Bytes bytes;
    for (int i = 0; i < count; ++i) {
        bytes.insert(bytes.end(), pixel.begin(), pixel.end());
    }
    return bytes;
}

TEST_F(PixelBufferTest, PackReceivesReadPixelsAndUnpackFeedsDrawnPixels) {
    setWindowView();
    m_controller.doClear({255, 0, 0, 255});
    const Buffer buffer(m_controller.createPixelBuffer(16, Render::BDT_DYNAMIC_COPY));
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer->getBufferSize(), 16);
    buffer->beginUsing(true);
    glReadPixels(0, 0, 2, 2, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    buffer->endUsing();
    Bytes read(16);
    buffer->getData(read.data(), 16, 0);
    EXPECT_EQ(read, repeat(s_red, 4));

    // Transfers work unbound; those reaching outside the buffer do nothing.
    const Bytes green = repeat(s_green, 4);
    buffer->putData(green.data(), 16, 0);
    const Bytes ones(32, 1);
    buffer->putData(ones.data(), 8, 12);
    buffer->putData(ones.data(), 4, -4);
    buffer->getData(read.data(), 4, 12);
    buffer->getData(read.data(), 8, 12);
    EXPECT_EQ(Bytes(read.begin(), read.begin() + 4), repeat(s_green, 1));
    EXPECT_EQ(Bytes(read.begin() + 4, read.end()), repeat(s_red, 3));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    buffer->beginUsing(false);
    m_controller.showScreen(nullptr, 20, 20, 2, 2);
    buffer->endUsing();
    EXPECT_EQ(pixel(21, 21), s_green);
    EXPECT_EQ(pixel(22, 22), s_red);
}

TEST_F(PixelBufferTest, UsageFollowsTheDataTypeAndAboveThreeReadsDynamically) {
    const std::pair<int, GLint> expected[] = {{0, GL_STATIC_DRAW},
                                              {1, GL_DYNAMIC_DRAW},
                                              {2, GL_DYNAMIC_READ},
                                              {3, GL_DYNAMIC_COPY},
                                              {7, GL_DYNAMIC_READ}};
    for (const auto& [type, usage] : expected) {
        const Buffer buffer(
            m_controller.createPixelBuffer(1024, static_cast<Render::BufferDataType>(type)));
        ASSERT_NE(buffer, nullptr) << "type " << type;
        buffer->beginUsing(true);
        GLint actual = 0;
        glGetBufferParameteriv(GL_PIXEL_PACK_BUFFER, GL_BUFFER_USAGE, &actual);
        buffer->endUsing();
        EXPECT_EQ(actual, usage) << "type " << type;
    }
}

TEST_F(PixelBufferTest, ZeroSizeGivesAnEmptyBufferAndUnusableRequestsGiveNull) {
    const Buffer empty(m_controller.createPixelBuffer(0, Render::BDT_STATIC_DRAW));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->getBufferSize(), 0);
    EXPECT_EQ(Buffer(m_controller.createPixelBuffer(-1, Render::BDT_STATIC_DRAW)), nullptr);
    GLuint before = 0;
    glGenBuffers(1, &before);
    EXPECT_EQ(Buffer(m_controller.createPixelBuffer(16, static_cast<Render::BufferDataType>(-1))),
              nullptr);
    EXPECT_FALSE(glIsBuffer(before + 1));
    glDeleteBuffers(1, &before);
}

} // namespace
