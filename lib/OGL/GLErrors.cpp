#include "OGL/GLErrors.h"

#include <GL/glew.h>

namespace OGL {

void discardErrors() {
    for (int i = 0; i < 64 && glGetError() != GL_NO_ERROR; ++i) {
    }
}

} // namespace OGL
