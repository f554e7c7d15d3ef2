#pragma once

#include "MathStuff/Orientation.h"
#include "MathStuff/Vector3.h"

namespace ModelSys {
class Mesh;
}

namespace MatSys {
class Material;
}

namespace Render {

// Draws meshes placed in the world, each with its material (which may be null) bound
// around it.
class I_RenderQueue {
public:
    virtual ~I_RenderQueue() = default;

    virtual void add(const MathStuff::Orientation<float>& placement, const ModelSys::Mesh* mesh,
                     MatSys::Material* material) = 0;
    // The offset moves the mesh along the placement's own axes.
    virtual void add(const MathStuff::Orientation<float>& placement,
                     const MathStuff::Vector3<float>& offset, const ModelSys::Mesh* mesh,
                     MatSys::Material* material) = 0;
};

} // namespace Render
