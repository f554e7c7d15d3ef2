#pragma once

namespace Render {
class I_VertexArray;
}

namespace ModelSys {

// Geometry the render queue draws: a run of vertices of a vertex array, taken as
// independent triangles.
class Mesh {
public:
    virtual ~Mesh() = default;

    virtual Render::I_VertexArray* getVertexArray() const = 0;
    virtual int getFirstVertex() const = 0;
    virtual int getVertexCount() const = 0;
};

} // namespace ModelSys
