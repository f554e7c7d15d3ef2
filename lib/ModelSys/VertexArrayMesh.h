#pragma once

#include "ModelSys/Mesh.h"

namespace ModelSys {

// The plainest mesh: count vertices of a vertex array from the first one given. The array
// stays its creator's and must outlive the mesh.
class VertexArrayMesh : public Mesh {
public:
    VertexArrayMesh(Render::I_VertexArray* const array, const int first, const int count)
        : m_array(array), m_first(first), m_count(count) {}

    Render::I_VertexArray* getVertexArray() const override { return m_array; }
    int getFirstVertex() const override { return m_first; }
    int getVertexCount() const override { return m_count; }

private:
    Render::I_VertexArray* m_array;
    int m_first;
    int m_count;
};

} // namespace ModelSys
