#include "Render/OGL/RenderBuffer.h"
#include "ControllerFixture.h"
#include "TestTexture.h"

#include <GL/glew.h>

#include <memory>

namespace {

using Buffer = std::unique_ptr<Render::I_RenderBuffer>;
using Render::I_RenderBuffer;

constexpr unsigned int s_redTexel = 0xFF0000FF;
constexpr unsigned int s_greenTexel = 0x00FF00FF;
constexpr unsigned int s_blackTexel = 0x00000000;

class RenderBufferTest : public ControllerTest {
protected:
    void SetUp() override {
        setWindowView();
        m_controller.doClear({0, 0, 0, 255});
    }

    // Fills the bound framebuffer's 16 x 16 corner with a colour.
    void fill(const Util::RGBA& c) {
        glViewport(0, 0, 16, 16);
        m_controller.doClear(c);
        glViewport(0, 0, s_width, s_height);
    }
};

TEST_F(RenderBufferTest, RendersIntoItsOwnStorageInsteadOfTheWindow) {
    const Buffer buffer(
        m_controller.createRenderBuffer(16, 16, I_RenderBuffer::RBUF_RGBA, nullptr, 0));
    ASSERT_NE(buffer, nullptr);
    EXPECT_TRUE(buffer->isValid());
    buffer->beginUsing(nullptr, 0);
    fill({255, 0, 0, 255});
    EXPECT_EQ(pixel(5, 5), s_red);
    buffer->endUsing();
    EXPECT_EQ(pixel(5, 5), s_black);
}

TEST_F(RenderBufferTest, UnusableSizesAndKindsGiveNull) {
    const int maxSize = m_controller.getAbility(Render::MAX_RTT_SIZE);
    EXPECT_EQ(OGL::RenderBuffer::getMaxSize(), maxSize);
    EXPECT_EQ(Buffer(m_controller.createRenderBuffer(maxSize + 1, 16, I_RenderBuffer::RBUF_RGBA,
                                                     nullptr, 0)),
              nullptr);
    EXPECT_EQ(Buffer(m_controller.createRenderBuffer(16, 0, I_RenderBuffer::RBUF_RGBA, nullptr, 0)),
              nullptr);
    EXPECT_EQ(
        Buffer(m_controller.createRenderBuffer(-16, 16, I_RenderBuffer::RBUF_RGB, nullptr, 0)),
        nullptr);
    for (int kind : {0, 10, -1}) {
        EXPECT_EQ(Buffer(m_controller.createRenderBuffer(
                      16, 16, static_cast<I_RenderBuffer::RBType>(kind), nullptr, 0)),
                  nullptr)
            << "kind " << kind;
    }
}

TEST_F(RenderBufferTest, TextureKindRendersIntoTheTexture) {
    TestTexture texture(16, 16, 1);
    const Buffer buffer(
        m_controller.createRenderBuffer(16, 16, I_RenderBuffer::RBUF_TEX, &texture, 0));
    ASSERT_NE(buffer, nullptr);
    buffer->beginUsing(nullptr, 0);
    fill({255, 0, 0, 255});
    buffer->endUsing();
    EXPECT_EQ(texture.texel(3, 3), s_redTexel);
    EXPECT_EQ(pixel(3, 3), s_black);
}

TEST_F(RenderBufferTest, DepthStencilStorageServesAsTheDepthBuffer) {
    TestTexture texture(16, 16, 1);
    const Buffer buffer(
        m_controller.createRenderBuffer(16, 16, I_RenderBuffer::RBUF_TEX, &texture, 0));
    ASSERT_NE(buffer, nullptr);
    buffer->beginUsing(nullptr, 0);
    fill({0, 0, 0, 255});
    m_controller.setDepthTest(true);
    m_controller.setColor({255, 0, 0, 255});
    drawRect(0, 0, 16, 16, 0.5f);
    m_controller.setColor({0, 255, 0, 255});
    drawRect(0, 0, 16, 16, -0.5f);
    buffer->endUsing();
    EXPECT_EQ(texture.texel(8, 8), s_redTexel);
}

TEST_F(RenderBufferTest, DepthStencilKindWithoutTextureIsComplete) {
    const Buffer buffer(
        m_controller.createRenderBuffer(16, 16, I_RenderBuffer::RBUF_DRAW_TEX, nullptr, 0));
    ASSERT_NE(buffer, nullptr);
    buffer->beginUsing(nullptr, 0);
    GLint type = 0;
    glGetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, GL_STENCIL_ATTACHMENT,
                                          GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE, &type);
    buffer->endUsing();
    EXPECT_EQ(type, GL_RENDERBUFFER);
}

TEST_F(RenderBufferTest, BeginUsingSwitchesTheTextureAndAttachesOnlyOnChange) {
    TestTexture first(16, 16, 1);
    TestTexture second(16, 16, 1);
    const Buffer buffer(
        m_controller.createRenderBuffer(16, 16, I_RenderBuffer::RBUF_TEX, &first, 0));
    ASSERT_NE(buffer, nullptr);
    const int queries = second.m_sizeQueries;
    buffer->beginUsing(&second, 0);
    fill({0, 255, 0, 255});
    buffer->endUsing();
    buffer->beginUsing(&second, 0);
    buffer->endUsing();
    EXPECT_EQ(second.m_sizeQueries, queries + 1);
    EXPECT_EQ(second.texel(1, 1), s_greenTexel);
    EXPECT_EQ(first.texel(1, 1), s_blackTexel);
}

TEST_F(RenderBufferTest, LayerOfA3DTextureIsTheTarget) {
    TestTexture texture(8, 8, 4);
    const Buffer buffer(
        m_controller.createRenderBuffer(8, 8, I_RenderBuffer::RBUF_TEX, &texture, 2));
    ASSERT_NE(buffer, nullptr);
    buffer->beginUsing(nullptr, 0);
    fill({255, 0, 0, 255});
    buffer->beginUsing(&texture, 1);
    fill({0, 255, 0, 255});
    buffer->endUsing();
    EXPECT_EQ(texture.texel(4, 4, 2), s_redTexel);
    EXPECT_EQ(texture.texel(4, 4, 1), s_greenTexel);
    EXPECT_EQ(texture.texel(4, 4, 0), s_blackTexel);
}

TEST_F(RenderBufferTest, BlitCopiesTheBoundReadBufferToTheWindow) {
    const Buffer buffer(
        m_controller.createRenderBuffer(16, 16, I_RenderBuffer::RBUF_RGB, nullptr, 0));
    ASSERT_NE(buffer, nullptr);
    buffer->beginUsing(nullptr, 0);
    fill({255, 0, 0, 255});
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    m_controller.blit(0, 0, 16, 16, 32, 32, 48, 48);
    buffer->endUsing();
    EXPECT_EQ(pixel(40, 40), s_red);
    EXPECT_EQ(pixel(20, 20), s_black);
}

using RenderBufferDeathTest = RenderBufferTest;

TEST_F(RenderBufferDeathTest, TextureWithAColourKindEndsWithTheAbortReport) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TestTexture texture(16, 16, 1);
    EXPECT_DEATH(m_controller.createRenderBuffer(16, 16, I_RenderBuffer::RBUF_RGB, &texture, 0),
                 "ABORT: Func:OGL::RenderBuffer::RenderBuffer\\(int, int, "
                 "Render::I_RenderBuffer::RBType, MatSys::I_Texture\\*, int\\) "
                 "File:[^ ]*RenderBuffer\\.cpp Line: [0-9]+\n"
                 "ABORT: Must used RBUF_\\?_TEX for RenderBuffer with texture\n");
}

} // namespace
