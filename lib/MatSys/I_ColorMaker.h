#pragma once

#include "Util/RGBA.h"

namespace MatSys {

class I_Color;

// Makes colours; every colour made is new and belongs to the caller.
class I_ColorMaker {
public:
    virtual ~I_ColorMaker() = default;

    // Transparent black.
    virtual I_Color* create() = 0;
    virtual I_Color* create(const Util::RGBA& rgba) = 0;
};

} // namespace MatSys
