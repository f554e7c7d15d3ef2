#include "MatSys/OGL/ColorMaker.h"

#include "MatSys/OGL/Color.h"

namespace MatSys::OGL {

I_Color* ColorMaker::create() {
    return new Color();
}

I_Color* ColorMaker::create(const Util::RGBA& rgba) {
    return new Color(rgba);
}

} // namespace MatSys::OGL
