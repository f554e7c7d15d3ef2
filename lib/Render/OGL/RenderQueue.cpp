#include "Render/OGL/RenderQueue.h"

#include "MatSys/Material.h"
#include "MathStuff/Matrix4x4.h"
#include "ModelSys/Mesh.h"
#include "Render/I_VertexArray.h"

#include <GL/glew.h>

namespace OGL {
namespace {

void setColumn(MathStuff::Matrix4x4<float>& matrix, const int column,
               const MathStuff::Vector3<float>& v, const float scale) {
    matrix.m[column * 4 + 0] = scale * v.x;
    matrix.m[column * 4 + 1] = scale * v.y;
    matrix.m[column * 4 + 2] = scale * v.z;
}

// The columns are the scaled side (up x direction), up and direction axes and the
// position; nothing is normalised.
MathStuff::Matrix4x4<float> modelMatrix(const MathStuff::Orientation<float>& placement) {
    MathStuff::Matrix4x4<float> matrix;
    setColumn(matrix, 0, MathStuff::cross(placement.up, placement.direction), placement.scale.x);
    setColumn(matrix, 1, placement.up, placement.scale.y);
    setColumn(matrix, 2, placement.direction, placement.scale.z);
    setColumn(matrix, 3, placement.position, 1.0f);
    matrix.m[15] = 1.0f;
    return matrix;
}

} // namespace

void RenderQueue::add(const MathStuff::Orientation<float>& placement,
                      const ModelSys::Mesh* const mesh, MatSys::Material* const material) {
    add(placement, {0.0f, 0.0f, 0.0f}, mesh, material);
}

void RenderQueue::add(const MathStuff::Orientation<float>& placement,
                      const MathStuff::Vector3<float>& offset, const ModelSys::Mesh* const mesh,
                      MatSys::Material* const material) {
    if (material != nullptr) {
        material->beginUsing();
    }
    // A view set-up leaves the projection stack current; the placement belongs on the
    // model-view one.
    GLint mode = GL_MODELVIEW;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glMultMatrixf(modelMatrix(placement).m);
    glTranslatef(offset.x, offset.y, offset.z);
    const Render::I_VertexArray* const vertices = mesh->getVertexArray();
    vertices->beginUsing();
    glDrawArrays(GL_TRIANGLES, mesh->getFirstVertex(), mesh->getVertexCount());
    vertices->endUsing();
    glPopMatrix();
    glMatrixMode(static_cast<GLenum>(mode));
    if (material != nullptr) {
        material->endUsing();
    }
}

} // namespace OGL
