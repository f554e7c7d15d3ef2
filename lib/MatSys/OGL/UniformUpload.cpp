#include "MatSys/OGL/UniformUpload.h"

#include "MatSys/ShaderParam.h"

#include <GL/glew.h>

namespace MatSys::OGL {

namespace {

// "Nf" and "Ni" send one element of N values, "Nfv" and "Niv" the array count of them, through
// the same vector call. GLEW's entry points are read when called: they are loaded at run time.
void uploadVector(const GLint location, const MatSys::ShaderParam& param, const int size,
                  const char kind, const GLsizei count) {
    const int at = size - 1;
    if (kind == 'f') {
        const PFNGLUNIFORM1FVPROC calls[] = {glUniform1fv, glUniform2fv, glUniform3fv,
                                             glUniform4fv};
        calls[at](location, count, param.getFloats());
        return;
    }
    const PFNGLUNIFORM1IVPROC calls[] = {glUniform1iv, glUniform2iv, glUniform3iv, glUniform4iv};
    calls[at](location, count, param.getInts());
}

} // namespace

bool uploadUniform(const int location, const MatSys::ShaderParam& param) {
    const std::string& type = param.getType();
    // The value of a sampler is the texture unit it reads.
    if (type == "sampler1D" || type == "sampler2D" || type == "sampler3D") {
        glUniform1i(location, param.getInts()[0]);
        return true;
    }
    const bool array = type.size() == 3 && type[2] == 'v';
    if ((type.size() != 2 && !array) || type[0] < '1' || type[0] > '4' ||
        (type[1] != 'f' && type[1] != 'i')) {
        return false;
    }
    uploadVector(location, param, type[0] - '0', type[1], array ? param.getArrayCount() : 1);
    return true;
}

} // namespace MatSys::OGL
