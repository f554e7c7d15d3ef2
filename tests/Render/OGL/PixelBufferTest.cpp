#include "ControllerFixture.h"

#include <GL/glew.h>

#include <memory>
#include <vector>

namespace {

using Buffer = std::unique_ptr<Render::I_PixelBuffer>;
using Bytes = std::vector<unsigned char>;

class PixelBufferTest : public ControllerTest {
protected:
    static GLint usageOf(const Render::I_PixelBuffer& buffer) {
        GLint usage = 0;
        buffer.beginUsing(true);
        glGetBufferParameteriv(GL_PIXEL_PACK_BUFFER, GL_BUFFER_USAGE, &usage);
        buffer.endUsing();
        return usage;
    }
};

TEST_F(PixelBufferTest, DataRoundTripsWithoutBeingBound) {
    const Buffer buffer(m_controller.createPixelBuffer(16, Render::BDT_DYNAMIC_DRAW));
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer->getBufferSize(), 16);
    Bytes bytes(16);
    for (int i = 0; i < 16; ++i) {
        bytes[i] = static_cast<unsigned char>(100 + i);
    }
    buffer->putData(bytes.data(), 16, 0);
    const Bytes ones(32, 1);
    buffer->putData(ones.data(), 8, 12);
    buffer->putData(ones.data(), 4, -4);
    Bytes back(16, 0);
    buffer->getData(back.data(), 16, 0);
    EXPECT_EQ(back, bytes);
    Bytes part(4, 0);
    buffer->getData(part.data(), 4, 8);
    EXPECT_EQ(part, Bytes(bytes.begin() + 8, bytes.begin() + 12));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
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
        EXPECT_EQ(usageOf(*buffer), usage) << "type " << type;
    }
}

TEST_F(PixelBufferTest, ZeroSizeGivesAnEmptyBuffer) {
    const Buffer buffer(m_controller.createPixelBuffer(0, Render::BDT_STATIC_DRAW));
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer->getBufferSize(), 0);
}

TEST_F(PixelBufferTest, UnusableRequestsGiveNullAndLeaveNoBuffer) {
    EXPECT_EQ(Buffer(m_controller.createPixelBuffer(-1, Render::BDT_STATIC_DRAW)), nullptr);
    GLuint before = 0;
    glGenBuffers(1, &before);
    EXPECT_EQ(Buffer(m_controller.createPixelBuffer(16, static_cast<Render::BufferDataType>(-1))),
              nullptr);
    EXPECT_FALSE(glIsBuffer(before + 1));
    glDeleteBuffers(1, &before);
}

TEST_F(PixelBufferTest, PackReceivesReadPixelsAndUnpackFeedsDrawnPixels) {
    setWindowView();
    m_controller.doClear({255, 0, 0, 255});
    const Buffer buffer(m_controller.createPixelBuffer(16, Render::BDT_DYNAMIC_COPY));
    ASSERT_NE(buffer, nullptr);
    buffer->beginUsing(true);
    glReadPixels(0, 0, 2, 2, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    buffer->endUsing();
    Bytes read(16);
    buffer->getData(read.data(), 16, 0);
    EXPECT_EQ(Bytes(read.begin(), read.begin() + 4), (Bytes{255, 0, 0, 255}));

    const Bytes green{0, 255, 0, 255, 0, 255, 0, 255, 0, 255, 0, 255, 0, 255, 0, 255};
    buffer->putData(green.data(), 16, 0);
    buffer->beginUsing(false);
    m_controller.showScreen(nullptr, 20, 20, 2, 2);
    buffer->endUsing();
    EXPECT_EQ(pixel(21, 21), s_green);
    EXPECT_EQ(pixel(22, 22), s_red);
}

} // namespace
