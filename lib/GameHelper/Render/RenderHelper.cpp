#include "GameHelper/Render/RenderHelper.h"

#include "GameHelper/Render/ViewBoxHelper.h"
#include "MathStuff/Orientation.h"
#include "Render/I_RenderController.h"
#include "Render/ViewData.h"

namespace GameHelper {

// The box is asked once per field, height first, as callers that count the asks expect.
void RenderHelper::set2D(const ViewBoxHelper* box) const {
    const int height = box->getViewBox().height;
    const int width = box->getViewBox().width;
    const int y = box->getViewBox().y;
    const int x = box->getViewBox().x;
    set2D(x, y, width, height, false);
}

void RenderHelper::set2D(int width, int height, bool centred) const {
    set2D(0, 0, width, height, centred);
}

void RenderHelper::set2D(int x, int y, int width, int height, bool centred) const {
    Render::ViewData view;
    view.near = -1.0f;
    view.far = 1.0f;
    view.fov = 0.0f;
    view.x = x;
    view.y = y;
    view.width = width;
    view.height = height;
    view.scaleX = 1.0f;
    view.scaleY = 1.0f;
    view.vsync = 1;
    view.perspective = false;
    m_controller->setViewData(view);

    MathStuff::Orientation<float> camera{};
    if (centred) {
        // Integer halves, toward zero, so odd sizes sit half a pixel towards the bottom left.
        const int halfWidth = width / 2;
        const int halfHeight = height / 2;
        camera.position = {static_cast<float>(-halfWidth), static_cast<float>(-halfHeight), 0.0f};
    }
    camera.direction = {0.0f, 0.0f, -1.0f};
    camera.up = {0.0f, 1.0f, 0.0f};
    camera.scale = {1.0f, 1.0f, 1.0f};
    m_controller->setCamera(camera);
}

} // namespace GameHelper
