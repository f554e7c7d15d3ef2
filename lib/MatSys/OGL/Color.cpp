#include "MatSys/OGL/Color.h"

#include <GL/glew.h>

namespace MatSys::OGL {

Color::Color(const Util::RGBA& rgba) : I_Color(rgba) {}

void Color::use() const {
    const Util::RGBA& c = RGBA();
    glColor4ub(c.r, c.g, c.b, c.a);
}

} // namespace MatSys::OGL
