#pragma once

#include "MatSys/I_ColorMaker.h"

namespace MatSys::OGL {

// Makes OpenGL colours.
class ColorMaker : public I_ColorMaker {
public:
    I_Color* create() override;
    I_Color* create(const Util::RGBA& rgba) override;
};

} // namespace MatSys::OGL
