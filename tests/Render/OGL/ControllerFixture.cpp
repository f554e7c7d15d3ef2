#include "ControllerFixture.h"

#include <GL/glew.h>

Render::ViewData ControllerTest::orthoRecord(int width, int height, float scale) {
    Render::ViewData data;
    data.near = -1.0f;
    data.far = 1.0f;
    data.x = 0;
    data.y = 0;
    data.width = width;
    data.height = height;
    data.scaleX = scale;
    data.scaleY = scale;
    data.vsync = 0;
    data.perspective = false;
    return data;
}

void ControllerTest::setWindowView() {
    m_controller.setViewData(orthoRecord(s_width, s_height, 1.0f));
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
