#include "ControllerFixture.h"

#include <GL/glew.h>

void ControllerTest::setWindowView() {
    Render::ViewData view;
    view.near = -1.0f;
    view.far = 1.0f;
    view.x = 0;
    view.y = 0;
    view.width = s_width;
    view.height = s_height;
    view.scaleX = 1.0f;
    view.scaleY = 1.0f;
    view.vsync = 0;
    view.perspective = false;
    m_controller.setViewData(view);
    m_controller.setCamera({{0, 0, 0}, {0, 0, -1}, {0, 1, 0}, {1, 1, 1}});
}

void ControllerTest::drawRect(float x0, float y0, float x1, float y1, float z) {
    glBegin(GL_QUADS);
    glVertex3f(x0, y0, z);
    glVertex3f(x1, y0, z);
    glVertex3f(x1, y1, z);
    glVertex3f(x0, y1, z);
    glEnd();
}
