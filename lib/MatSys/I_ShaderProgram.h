#pragma once

namespace MatSys {

class ShaderParams;

// A linked GLSL program with its own parameter set, taken into use around drawing.
class I_ShaderProgram {
public:
    virtual ~I_ShaderProgram() = default;

    // The GL program object.
    virtual unsigned int getID() const = 0;
    // Takes the program into use and uploads the parameters given, or, with none, its own
    // set when that changed since it was last uploaded; false when the program cannot be
    // used or a parameter could not be uploaded.
    virtual bool beginUsing(const ShaderParams* params) = 0;
    virtual void endUsing() = 0;
    virtual const ShaderParams& getParams() const = 0;
    // Replaces the program's own set by a copy of params.
    virtual bool setParams(const ShaderParams& params) = 0;
};

} // namespace MatSys
