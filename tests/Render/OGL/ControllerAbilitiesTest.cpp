#include "ControllerFixture.h"

#include <GL/glew.h>

#include <memory>

namespace {

using ControllerAbilitiesTest = ControllerTest;

GLint integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

TEST_F(ControllerAbilitiesTest, ProbesReportTheContext) {
    // This platform offers every feature with its entry points.
    for (int id = Render::HAVE_SHADERS; id <= Render::HAVE_FLOAT_TEX; ++id) {
        EXPECT_EQ(m_controller.getAbility(id), 1) << "ability " << id;
    }
    EXPECT_EQ(m_controller.getAbility(Render::MAX_TEXTURE_SIZE_3D),
              integer(GL_MAX_3D_TEXTURE_SIZE));
    EXPECT_EQ(m_controller.getAbility(Render::MAX_PBO_SIZE), integer(GL_MAX_RENDERBUFFER_SIZE_EXT));
}

TEST_F(ControllerAbilitiesTest, UnknownIdsReadMinusOneAndCannotBeSet) {
    m_controller.setAbility(13, 5);
    m_controller.setAbility(-1, 5);
    EXPECT_EQ(m_controller.getAbility(13), -1);
    EXPECT_EQ(m_controller.getAbility(-1), -1);
}

TEST_F(ControllerAbilitiesTest, ForcedValueWinsOverTheProbe) {
    m_controller.setAbility(Render::HAVE_VBOS, 0);
    m_controller.setAbility(Render::MAX_TEXTURE_SIZE_2D, 7);
    EXPECT_EQ(m_controller.getAbility(Render::HAVE_VBOS), 0);
    EXPECT_EQ(m_controller.getAbility(Render::MAX_TEXTURE_SIZE_2D), 7);
    EXPECT_EQ(m_controller.getAbility(Render::HAVE_FBOS), 1);
}

TEST_F(ControllerAbilitiesTest, ForcedVboAbilityOffMakesClientArrays) {
    m_controller.setAbility(Render::HAVE_VBOS, 0);
    const Render::TexturedQuad quad{};
    std::unique_ptr<Render::I_VertexArray> arrays[] = {
        std::unique_ptr<Render::I_VertexArray>(m_controller.createVTCArray(144, true)),
        std::unique_ptr<Render::I_VertexArray>(m_controller.createVertexArray(16, true)),
        std::unique_ptr<Render::I_VertexArray>(m_controller.createTexturedQuadVA(quad, true)),
        std::unique_ptr<Render::I_VertexArray>(m_controller.createAttrArray(16, true)),
        std::unique_ptr<Render::I_VertexArray>(m_controller.createSpriteShaderArray(64, true))};
    GLuint sentinel = 0;
    glGenBuffers(1, &sentinel);
    for (const auto& array : arrays) {
        ASSERT_NE(array, nullptr);
        glBindBuffer(GL_ARRAY_BUFFER, sentinel);
        array->beginUsing();
        EXPECT_EQ(integer(GL_ARRAY_BUFFER_BINDING), 0);
        array->endUsing();
    }
    glDeleteBuffers(1, &sentinel);
}

} // namespace
