#pragma once

namespace Render {
class I_RenderController;
}

namespace GameHelper {

class ViewBoxHelper;

// Switches a render controller to a flat view in pixel units for 2D drawing: an orthographic
// projection over a screen rectangle, x to the right and y up from its bottom-left corner (or
// from its middle when centred), with vertical sync on.
class RenderHelper {
public:
    explicit RenderHelper(Render::I_RenderController* renderController)
        : m_controller(renderController) {}
    virtual ~RenderHelper() = default;

    // The box's rectangle, not centred.
    virtual void set2D(const ViewBoxHelper* box) const;
    // The rectangle at (0, 0).
    virtual void set2D(int width, int height, bool centred) const;
    // Sends the view record, then the camera.
    virtual void set2D(int x, int y, int width, int height, bool centred) const;

private:
    Render::I_RenderController* m_controller;
};

} // namespace GameHelper
