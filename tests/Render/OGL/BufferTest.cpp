#include "ControllerFixture.h"
#include "MatSys/I_Texture.h"
#include "Render/OGL/RenderBuffer.h"
#include "Support/AbortReport.h"

#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <tuple>
#include <type_traits>

namespace {

using Buffer = std::unique_ptr<Render::I_RenderBuffer>;
using PixelBuffer = std::unique_ptr<Render::I_PixelBuffer>;
using Bytes = std::vector<unsigned char>;
using Render::I_RenderBuffer;

// A black RGBA texture, 2D or (depth above 1) 3D, for render buffers to render into. Render
// buffers ask a texture only for its name and size; the size queries are counted.
class TestTexture : public MatSys::I_Texture {
public:
    TestTexture(int width, int height, int depth) : m_size{width, height, depth} {
        glGenTextures(1, &m_id);
        glBindTexture(target(), m_id);
        const Bytes black(static_cast<std::size_t>(4 * width * height * depth), 0);
        if (depth > 1) {
            glTexImage3D(GL_TEXTURE_3D, 0, GL_RGBA8, width, height, depth, 0, GL_RGBA,
                         GL_UNSIGNED_BYTE, black.data());
        } else {
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                         black.data());
        }
    }
    ~TestTexture() override { glDeleteTextures(1, &m_id); }

    const unsigned int& getID() const override { return m_id; }
    void getSize(int& width, int& height, int& depth) const override {
        ++m_sizeQueries;
        width = m_size[0];
        height = m_size[1];
        depth = m_size[2];
    }
    void beginUsing(int) const override { std::abort(); }
    void endUsing(int) const override { std::abort(); }
    void update(unsigned char*, int, int, int, int, bool) override { std::abort(); }
    const MatSys::TextureOptions& getOptions() const override { std::abort(); }
    void setOptions(const MatSys::TextureOptions&) override { std::abort(); }
    unsigned int getImageSize(bool) const override { std::abort(); }
    void getImage(unsigned char*, bool) const override { std::abort(); }

    Pixel texel(int x, int y, int layer = 0) const {
        Bytes image(static_cast<std::size_t>(4 * m_size[0] * m_size[1] * m_size[2]));
        glBindTexture(target(), m_id);
        glGetTexImage(target(), 0, GL_RGBA, GL_UNSIGNED_BYTE, image.data());
        const auto at = static_cast<std::size_t>(4 * ((layer * m_size[1] + y) * m_size[0] + x));
        return {image[at], image[at + 1], image[at + 2], image[at + 3]};
    }

    mutable int m_sizeQueries = 0;

private:
    GLenum target() const { return m_size[2] > 1 ? GL_TEXTURE_3D : GL_TEXTURE_2D; }

    unsigned int m_id = 0;
    int m_size[3];
};

class RenderBufferTest : public ControllerTest {
protected:
    void SetUp() override { setWindowView(); }

    // Fills the bound framebuffer's 16 x 16 corner with a colour.
    void fill(const Util::RGBA& c) {
        glViewport(0, 0, 16, 16);
        m_controller.doClear(c);
        glViewport(0, 0, s_width, s_height);
    }

    Buffer create(int width, int height, int kind, TestTexture* texture, int layer = 0) {
        return Buffer(m_controller.createRenderBuffer(
            width, height, static_cast<I_RenderBuffer::RBType>(kind), texture, layer));
    }
};

TEST_F(RenderBufferTest, RendersIntoItsOwnStorageAndBlitsToTheWindow) {
    const Buffer buffer = create(16, 16, I_RenderBuffer::RBUF_RGBA, nullptr);
    ASSERT_NE(buffer, nullptr);
    buffer->beginUsing(nullptr, 0);
    fill({255, 0, 0, 255});
    EXPECT_EQ(pixel(5, 5), s_red);
    buffer->endUsing();
    EXPECT_EQ(pixel(5, 5), s_black);
    buffer->beginUsing(nullptr, 0);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    m_controller.blit(0, 0, 16, 16, 32, 32, 48, 48);
    buffer->endUsing();
    EXPECT_EQ(pixel(40, 40), s_red);
    EXPECT_EQ(pixel(20, 20), s_black);
}

TEST_F(RenderBufferTest, UnusableSizesAndKindsGiveNull) {
    const int maxSize = m_controller.getAbility(Render::MAX_RTT_SIZE);
    EXPECT_EQ(OGL::RenderBuffer::getMaxSize(), maxSize);
    const int refused[][3] = {{maxSize + 1, 16, 2}, {16, maxSize + 1, 2}, {16, 0, 2},  {-16, 16, 1},
                              {16, 16, 0},          {16, 16, 10},         {16, 16, -1}};
    for (const auto& [width, height, kind] : refused) {
        EXPECT_EQ(create(width, height, kind, nullptr), nullptr)
            << width << " x " << height << ", kind " << kind;
    }
}

TEST_F(RenderBufferTest, TextureKindRendersIntoTheTextureWithDepthStencilAsDepthBuffer) {
    TestTexture texture(16, 16, 1);
    const Buffer buffer = create(16, 16, I_RenderBuffer::RBUF_TEX, &texture);
    ASSERT_NE(buffer, nullptr);
    buffer->beginUsing(nullptr, 0);
    fill({0, 0, 0, 255});
    m_controller.setDepthTest(true);
    m_controller.setColor({255, 0, 0, 255});
    drawRect(0, 0, 16, 16, 0.5f);
    m_controller.setColor({0, 255, 0, 255});
    drawRect(0, 0, 16, 16, -0.5f);
    buffer->endUsing();
    EXPECT_EQ(texture.texel(8, 8), s_red);
    EXPECT_EQ(pixel(8, 8), s_black);

    const Buffer drawOnly = create(16, 16, I_RenderBuffer::RBUF_DRAW_TEX, nullptr);
    ASSERT_NE(drawOnly, nullptr);
    drawOnly->beginUsing(nullptr, 0);
    GLint type = 0;
    glGetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, GL_STENCIL_ATTACHMENT,
                                          GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE, &type);
    drawOnly->endUsing();
    EXPECT_EQ(type, GL_RENDERBUFFER);
}

TEST_F(RenderBufferTest, BeginUsingAttachesAChangedTextureOrLayerOnce) {
    TestTexture first(8, 8, 4);
    TestTexture second(8, 8, 4);
    const Buffer buffer = create(8, 8, I_RenderBuffer::RBUF_TEX, &first, 2);
    ASSERT_NE(buffer, nullptr);
    buffer->beginUsing(nullptr, 0);
    fill({255, 0, 0, 255});
    buffer->beginUsing(&second, 2);
    fill({0, 255, 0, 255});
    buffer->beginUsing(&second, 1);
    buffer->beginUsing(&second, 1);
    fill({255, 0, 0, 255});
    buffer->endUsing();
    EXPECT_EQ(second.m_sizeQueries, 2);
    EXPECT_EQ(first.texel(4, 4, 2), s_red);
    EXPECT_EQ(first.texel(4, 4, 1), Pixel{});
    EXPECT_EQ(second.texel(4, 4, 2), s_green);
    EXPECT_EQ(second.texel(4, 4, 1), s_red);
    EXPECT_EQ(second.texel(4, 4, 0), Pixel{});
}

using RenderBufferDeathTest = RenderBufferTest;

TEST_F(RenderBufferDeathTest, TextureWithAColourKindEndsWithTheAbortReport) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TestTexture texture(16, 16, 1);
    EXPECT_ABORT_REPORT(create(16, 16, I_RenderBuffer::RBUF_RGB, &texture),
                        "OGL::RenderBuffer::RenderBuffer(",
                        "Must used RBUF_?_TEX for RenderBuffer with texture");
}

// Names made and deleted: the kind of object, the count passed and the first name.
using NameCall = std::tuple<int, GLsizei, GLuint>;
std::multiset<NameCall> s_made;
std::multiset<NameCall> s_deleted;

// Swaps a GLEW entry point that makes or deletes names for one that calls the driver and then
// logs the call, until the guard goes; the logs start empty with it. The libraries call GL
// through the same pointers.
template <auto& ENTRY, int KIND>
class LoggedEntry {
public:
    LoggedEntry() {
        s_made.clear();
        s_deleted.clear();
        s_real = ENTRY;
        ENTRY = record;
    }
    ~LoggedEntry() { ENTRY = s_real; }

private:
    // Generating writes the names, deleting only reads them.
    template <typename Name>
    static void GLAPIENTRY record(GLsizei count, Name* names) {
        s_real(count, names);
        (std::is_const_v<Name> ? s_deleted : s_made).emplace(KIND, count, names[0]);
    }

    static inline std::remove_reference_t<decltype(ENTRY)> s_real = nullptr;
};

// Buffers are kind 0, renderbuffers 1, framebuffers 2.
using NameLog =
    std::tuple<LoggedEntry<glGenBuffers, 0>, LoggedEntry<glDeleteBuffers, 0>,
               LoggedEntry<glGenRenderbuffers, 1>, LoggedEntry<glDeleteRenderbuffers, 1>,
               LoggedEntry<glGenFramebuffers, 2>, LoggedEntry<glDeleteFramebuffers, 2>>;

using GLObjectTest = RenderBufferTest;

TEST_F(GLObjectTest, EveryNameMadeIsDeletedOnceAndOnlyRenderBuffersUnbind) {
    // The caller's objects where a creation binds its own, each bound to a name of its own
    // before every row.
    using Bind = void(GLAPIENTRY*)(GLenum, GLuint);
    const std::tuple<Bind, GLenum, GLenum> CALLERS[] = {
        {glBindBuffer, GL_ARRAY_BUFFER, GL_ARRAY_BUFFER_BINDING},
        {glBindBuffer, GL_PIXEL_PACK_BUFFER, GL_PIXEL_PACK_BUFFER_BINDING},
        {glBindRenderbuffer, GL_RENDERBUFFER, GL_RENDERBUFFER_BINDING},
        {glBindFramebuffer, GL_DRAW_FRAMEBUFFER, GL_DRAW_FRAMEBUFFER_BINDING},
        {glBindFramebuffer, GL_READ_FRAMEBUFFER, GL_READ_FRAMEBUFFER_BINDING}};
    // A render buffer unbinds the renderbuffer and its framebuffer target once made.
    const GLenum rb = GL_RENDERBUFFER_BINDING;
    const GLenum draw = GL_DRAW_FRAMEBUFFER_BINDING;
    const GLenum read = GL_READ_FRAMEBUFFER_BINDING;
    enum Object { VERTICES, PIXELS, RENDER };
    // A vertex array or pixel buffer of size bytes with a usage type (-1: none, so no buffer
    // maps), or a render buffer of that width and kind, the TEX kind into an empty texture.
    const struct {
        const char* what;
        Object object;
        int size, type;
        bool made;
        std::size_t names;
        std::vector<GLenum> unbound;
    } ROWS[] = {
        {"vertex buffer", VERTICES, 64, 0, true, 1, {}},
        {"empty vertex buffer", VERTICES, 0, 0, true, 0, {}},
        {"pixel buffer", PIXELS, 1, Render::BDT_STATIC_DRAW, true, 1, {}},
        {"empty pixel buffer", PIXELS, 0, Render::BDT_STATIC_DRAW, true, 0, {}},
        {"unmappable pixel buffer", PIXELS, 16, -1, false, 1, {}},
        {"render buffer", RENDER, 16, I_RenderBuffer::RBUF_RGBA, true, 2, {rb, draw, read}},
        {"read render buffer", RENDER, 16, I_RenderBuffer::RBUF_READ_RGB, true, 2, {rb, read}},
        {"incomplete framebuffer", RENDER, 16, I_RenderBuffer::RBUF_DRAW_TEX, false, 2, {rb, draw}},
        {"refused render buffer", RENDER, 0, I_RenderBuffer::RBUF_RGB, false, 0, {}},
    };
    TestTexture empty(0, 0, 1);
    for (const auto& row : ROWS) {
        std::map<GLenum, GLint> after;
        for (const auto& [bind, target, query] : CALLERS) {
            bind(target, 900 + static_cast<GLuint>(after.size()));
            after[query] = integer(query);
        }
        const NameLog log;
        glEnable(0xFFFF); // an error left pending by earlier code
        std::shared_ptr<void> made;
        if (row.object == VERTICES) {
            made.reset(m_controller.createVertexArray(row.size, true));
        } else if (row.object == PIXELS) {
            made.reset(m_controller.createPixelBuffer(row.size, Render::BufferDataType(row.type)));
        } else {
            made = create(row.size, 16, row.type,
                          row.type == I_RenderBuffer::RBUF_DRAW_TEX ? &empty : nullptr);
        }
        EXPECT_EQ(made != nullptr, row.made) << row.what;
        EXPECT_EQ(s_made.size(), row.names) << row.what;
        EXPECT_EQ(s_deleted, made ? std::multiset<NameCall>{} : s_made) << row.what;
        // Read while the object lives: deleting a bound object unbinds it.
        for (const GLenum binding : row.unbound) {
            after[binding] = 0;
        }
        for (const auto& [binding, name] : after) {
            EXPECT_EQ(integer(binding), name) << row.what << ", binding " << binding;
        }
        made.reset();
        EXPECT_EQ(s_deleted, s_made) << row.what;
    }
}

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
    const PixelBuffer buffer(m_controller.createPixelBuffer(16, Render::BDT_DYNAMIC_COPY));
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer->getBufferSize(), 16);
    buffer->beginUsing(true);
    glReadPixels(0, 0, 2, 2, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    buffer->endUsing();
    Bytes read(16);
    buffer->getData(read.data(), 16, 0);
    EXPECT_EQ(read, repeat(s_red, 4));

    // Transfers work unbound; one reaching outside the buffer does nothing (the bounds
    // themselves are the vertex arrays' test).
    const Bytes green = repeat(s_green, 4);
    buffer->putData(green.data(), 16, 0);
    buffer->putData(Bytes(8, 1).data(), 8, 12);
    buffer->getData(read.data(), 4, 12);
    buffer->getData(read.data(), 8, 12);
    EXPECT_EQ(Bytes(read.begin(), read.begin() + 4), repeat(s_green, 1));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    buffer->beginUsing(false);
    m_controller.showScreen(nullptr, 20, 20, 2, 2);
    buffer->endUsing();
    EXPECT_EQ(pixel(21, 21), s_green);
    EXPECT_EQ(pixel(22, 22), s_red);
}

// A data type past the last one reads dynamically.
TEST_F(PixelBufferTest, UsageFollowsTheDataTypeAndAboveThreeReadsDynamically) {
    const std::pair<int, GLint> expected[] = {{3, GL_DYNAMIC_COPY}, {7, GL_DYNAMIC_READ}};
    for (const auto& [type, usage] : expected) {
        const PixelBuffer buffer(
            m_controller.createPixelBuffer(1024, static_cast<Render::BufferDataType>(type)));
        ASSERT_NE(buffer, nullptr) << "type " << type;
        buffer->beginUsing(true);
        GLint actual = 0;
        glGetBufferParameteriv(GL_PIXEL_PACK_BUFFER, GL_BUFFER_USAGE, &actual);
        buffer->endUsing();
        EXPECT_EQ(actual, usage) << "type " << type;
    }
}

TEST_F(PixelBufferTest, DestroyingABufferDeletesItsGLBuffer) {
    PixelBuffer buffer(m_controller.createPixelBuffer(16, Render::BDT_STATIC_DRAW));
    ASSERT_NE(buffer, nullptr);
    buffer->beginUsing(true);
    GLint name = 0;
    glGetIntegerv(GL_PIXEL_PACK_BUFFER_BINDING, &name);
    buffer->endUsing();
    ASSERT_TRUE(glIsBuffer(static_cast<GLuint>(name)));
    buffer.reset();
    EXPECT_FALSE(glIsBuffer(static_cast<GLuint>(name)));
}

TEST_F(PixelBufferTest, ZeroSizeGivesAnEmptyBufferAndUnusableRequestsGiveNull) {
    const PixelBuffer empty(m_controller.createPixelBuffer(0, Render::BDT_STATIC_DRAW));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->getBufferSize(), 0);
    EXPECT_EQ(PixelBuffer(m_controller.createPixelBuffer(-1, Render::BDT_STATIC_DRAW)), nullptr);
    GLuint before = 0;
    glGenBuffers(1, &before);
    EXPECT_EQ(
        PixelBuffer(m_controller.createPixelBuffer(16, static_cast<Render::BufferDataType>(-1))),
        nullptr);
    EXPECT_FALSE(glIsBuffer(before + 1));
    glDeleteBuffers(1, &before);
}

} // namespace
