#include "Render/OGL/GLErrors.h"

#include <GL/glew.h>

namespace OGL {

void discardErrors() {
    // A lost context keeps reporting errors; the bound keeps this loop finite then.
    for (int i = 0; i < 64 && glGetError() != GL_NO_ERROR; ++i) {
    }
}

} // namespace OGL
