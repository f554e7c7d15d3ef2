#include "ControllerFixture.h"
#include "MatSys/I_ShaderProgram.h"
#include "MatSys/Material.h"
#include "ModelSys/VertexArrayMesh.h"

#include <memory>
#include <string>

namespace {

using Placement = MathStuff::Orientation<float>;

// Colours what is drawn while it is in use red, and green once it is not.
struct ColouringProgram : MatSys::I_ShaderProgram {
    unsigned int getID() const override { return 0; }
    bool beginUsing(const MatSys::ShaderParams*) override {
        glColor4ub(255, 0, 0, 255);
        return true;
    }
    void endUsing() override { glColor4ub(0, 255, 0, 255); }
    const MatSys::ShaderParams& getParams() const override { return *params; }
    bool setParams(const MatSys::ShaderParams&) override { return true; }
    const MatSys::ShaderParams* params = nullptr;
};

class RenderQueueTest : public ControllerTest {
protected:
    // A decoy triangle, then an 8 x 8 square of two triangles at the origin: the mesh. The
    // view is set after the camera, which leaves the projection stack current.
    RenderQueueTest() {
        const float vertices[] = {50, 50, 0, 58, 50, 0, 58, 58, 0, 0, 0, 0, 8, 0,
                                  0,  8,  8, 0,  0,  0, 0,  8,  8, 0, 0, 8, 0};
        m_array->defineVertexInfo(3, Render::I_VertexArray::VA_FLOAT);
        m_array->putVertices(vertices, 9, 0);
        m_controller.setCamera({{-10, -10, 0}, {0, 0, -1}, {0, 1, 0}, {1, 1, 1}});
        m_controller.setViewData(orthoRecord(s_width, s_height, 1.0f));
        m_controller.doClear({0, 0, 0, 255});
        glColor4ub(255, 255, 255, 255);
    }

    // A row of the window as '#' for lit and '.' for black pixels.
    static std::string row(int y) {
        std::string lit;
        for (int x = 0; x < s_width; ++x) {
            lit += pixel(x, y) != s_black ? '#' : '.';
        }
        return lit;
    }

    // A row lit from x = from up to x = to.
    static std::string span(std::size_t from, std::size_t to) {
        return std::string(from, '.') + std::string(to - from, '#') + std::string(64 - to, '.');
    }

    Render::I_RenderQueue& m_queue = *m_controller.getRenderQueue();
    std::unique_ptr<Render::I_VertexArray> m_array{m_controller.createVertexArray(108, false)};
    ModelSys::VertexArrayMesh m_mesh{m_array.get(), 3, 6};
    const Placement m_plain{{8, 8, 0}, {0, 0, 1}, {0, 1, 0}, {1, 1, 1}};
};

// The camera moves everything by (10, 10); the placement at (8, 8) doubles the side axis,
// and the offset of 4 along it, so the square covers x 26 to 42 and y 18 to 26. On the
// projection stack the placement would scale the camera's move as well.
TEST_F(RenderQueueTest, PlacementAndOffsetGoOntoTheModelViewStackWhateverModeIsCurrent) {
    const Placement placement{{8, 8, 0}, {0, 0, 1}, {0, 1, 0}, {2, 1, 1}};
    m_queue.add(placement, {4, 0, 0}, &m_mesh, nullptr);
    EXPECT_EQ(row(18), span(26, 42));
    EXPECT_EQ(row(25), span(26, 42));
    EXPECT_EQ(row(26) + row(52), span(0, 0) + span(0, 0));
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_PROJECTION);
    EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 1);
    m_controller.doClear({0, 0, 0, 255});
    m_queue.add(m_plain, &m_mesh, nullptr);
    EXPECT_EQ(row(18), span(18, 26));
}

TEST_F(RenderQueueTest, TheMaterialIsInUseForTheDrawOnly) {
    ColouringProgram program;
    MatSys::Material material(&program, nullptr);
    m_queue.add(m_plain, &m_mesh, &material);
    EXPECT_EQ(pixel(20, 20), s_red);
    EXPECT_EQ(floats(GL_CURRENT_COLOR, 4), (std::vector<GLfloat>{0, 1, 0, 1}));
    m_queue.add(m_plain, {20, 0, 0}, &m_mesh, nullptr);
    EXPECT_EQ(pixel(40, 20), s_green);
}

} // namespace
