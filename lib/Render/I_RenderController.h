#pragma once

#include "MathStuff/Orientation.h"
#include "MathStuff/Vector3.h"
#include "Render/I_CreatePixelBuffer.h"
#include "Render/I_CreateRenderBuffer.h"
#include "Render/I_CreateVertexArray.h"
#include "Render/I_EffectsController.h"
#include "Render/I_RenderAbilities.h"
#include "Render/I_RenderQueue.h"
#include "Render/RenderType.h"
#include "Render/ViewData.h"

namespace Render {

// The one way from the drawing parts of the system to the graphics library: abilities,
// object factories, effects, projection and camera, draw calls and screen read-back.
class I_RenderController : public I_RenderAbilities,
                           public I_CreateVertexArray,
                           public I_CreateRenderBuffer,
                           public I_CreatePixelBuffer,
                           public I_EffectsController {
public:
    ~I_RenderController() override = default;

    // Start-up state: swap interval, face culling, lighting off.
    virtual void init() = 0;
    virtual void pushViewData() = 0;
    // Sets the top record again (keep values keep the current fields) and removes it.
    virtual void popViewData() = 0;
    // Takes the fields that hold no keep value and loads the projection.
    virtual void setViewData(const ViewData& data) = 0;
    virtual const ViewData& getViewData() const = 0;
    virtual void pushCamera() = 0;
    virtual void popCamera() = 0;
    // Loads the view transform looking from the position along the direction.
    virtual void setCamera(const MathStuff::Orientation<float>& camera) = 0;
    virtual const MathStuff::Orientation<float>& getCamera() const = 0;
    // Window coordinates and depth of a point, y counted from the bottom.
    virtual MathStuff::Vector3<float> projectPoint(MathStuff::Vector3<float> p) const = 0;
    // The ray through window pixel (x, y), relative to the camera position.
    virtual MathStuff::Vector3<float> getPickRay(int x, int y) const = 0;
    // Copies colour from the bound read framebuffer to the bound draw framebuffer.
    virtual void blit(int srcX0, int srcY0, int srcX1, int srcY1, int dstX0, int dstY0, int dstX1,
                      int dstY1) = 0;
    // Draws from the vertex arrays in use.
    virtual void drawArrays(RenderType type, int first, unsigned int count) = 0;
    virtual void drawElements(RenderType type, unsigned int count, unsigned int* indices) = 0;
    // The controller's own queue; the caller must not delete it.
    virtual I_RenderQueue* getRenderQueue() = 0;
    // Reads RGBA pixels, bottom row first, into a buffer of width * height * 4 bytes.
    virtual void copyScreen(unsigned char* buffer, int x, int y, int width, int height) = 0;
    // Draws RGBA pixels with their lower-left corner on window pixel (x, y).
    virtual void showScreen(unsigned char* buffer, int x, int y, int width, int height) = 0;
};

} // namespace Render
