#pragma once

#include "Render/I_RenderQueue.h"

namespace OGL {

// Draws each mesh at once, for all its name: its vertex array as triangles, placed by the
// model matrix of the placement on GL's model-view stack, with its material (when there
// is one) in use around the draw.
class RenderQueue : public Render::I_RenderQueue {
public:
    // With no offset.
    void add(const MathStuff::Orientation<float>& placement, const ModelSys::Mesh* mesh,
             MatSys::Material* material) override;
    // The mesh must not be null. The matrix mode in force is restored afterwards.
    void add(const MathStuff::Orientation<float>& placement,
             const MathStuff::Vector3<float>& offset, const ModelSys::Mesh* mesh,
             MatSys::Material* material) override;
};

} // namespace OGL
