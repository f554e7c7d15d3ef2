#pragma once

namespace MatSys {

// A compiled shader of a GLSL program.
class I_Shader {
public:
    virtual ~I_Shader() = default;

    // The GL shader object.
    virtual unsigned int getID() const = 0;
};

} // namespace MatSys
