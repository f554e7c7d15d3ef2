#pragma once

#include "MatSys/I_ShaderProgram.h"
#include "Util/BasicStore.h"

#include <memory>
#include <string>
#include <vector>

namespace MatSys {
class I_Shader;
} // namespace MatSys

namespace MatSys::OGL {

// A linked GLSL program: the locations of its active uniforms by name, its attributes bound
// to generic indices by name suffix (see AttributeSlot), and its own parameter set, uploaded
// the next time it is used without parameters after it changed.
class ShaderProgram : public MatSys::I_ShaderProgram {
public:
    ShaderProgram();
    ~ShaderProgram() override;
    ShaderProgram(const ShaderProgram&) = delete;
    ShaderProgram& operator=(const ShaderProgram&) = delete;

    unsigned int getID() const override;
    // False when the program has no GL object, or when a parameter names no active uniform or
    // has a type word without an upload; the other parameters are uploaded all the same.
    bool beginUsing(const MatSys::ShaderParams* params) override;
    void endUsing() override;
    // The own set; one shared empty set when the program never received one.
    const MatSys::ShaderParams& getParams() const override;
    bool setParams(const MatSys::ShaderParams& params) override;

    // Links the shaders' GL objects into a new GL program. On failure error holds the reason
    // (possibly empty) and no program is left in use.
    bool link(const std::vector<MatSys::I_Shader*>& shaders, std::string& error);

private:
    bool linkSteps(const std::vector<MatSys::I_Shader*>& shaders, std::string& error);
    bool bindAttributes();
    bool recordUniforms(std::string& error);
    bool upload(const MatSys::ShaderParams& params) const;

    unsigned int m_id = 0;
    Util::BasicStore<std::string, int> m_locations{-1};
    std::unique_ptr<MatSys::ShaderParams> m_params;
    bool m_paramsPending = false;
};

} // namespace MatSys::OGL
