#pragma once

#include "MatSys/I_Color.h"

namespace MatSys::OGL {

// A colour that becomes OpenGL's current colour as four unsigned bytes.
class Color : public I_Color {
public:
    Color() = default;
    explicit Color(const Util::RGBA& rgba);

    void use() const override;
};

} // namespace MatSys::OGL
