#include "MatSys/OGL/UniformUpload.h"

#include "MatSys/ShaderParam.h"

#include <GL/glew.h>

#include <cstring>

namespace MatSys::OGL {

namespace {

using Upload = void (*)(GLint, const MatSys::ShaderParam&);

struct TypeUpload {
    const char* type;
    Upload upload;
};

void uniform1i(const GLint at, const MatSys::ShaderParam& p) {
    glUniform1i(at, p.getInts()[0]);
}

// The GL entry points are loaded at run time, so each row calls through GLEW's pointer then.
const TypeUpload s_uploads[] = {
    {"1f", [](GLint at, const MatSys::ShaderParam& p) { glUniform1f(at, p.getFloats()[0]); }},
    {"2f",
     [](GLint at, const MatSys::ShaderParam& p) {
         const float* const f = p.getFloats();
         glUniform2f(at, f[0], f[1]);
     }},
    {"3f",
     [](GLint at, const MatSys::ShaderParam& p) {
         const float* const f = p.getFloats();
         glUniform3f(at, f[0], f[1], f[2]);
     }},
    {"4f",
     [](GLint at, const MatSys::ShaderParam& p) {
         const float* const f = p.getFloats();
         glUniform4f(at, f[0], f[1], f[2], f[3]);
     }},
    {"1i", uniform1i},
    {"2i",
     [](GLint at, const MatSys::ShaderParam& p) {
         const int* const i = p.getInts();
         glUniform2i(at, i[0], i[1]);
     }},
    {"3i",
     [](GLint at, const MatSys::ShaderParam& p) {
         const int* const i = p.getInts();
         glUniform3i(at, i[0], i[1], i[2]);
     }},
    {"4i",
     [](GLint at, const MatSys::ShaderParam& p) {
         const int* const i = p.getInts();
         glUniform4i(at, i[0], i[1], i[2], i[3]);
     }},
    {"1fv",
     [](GLint at, const MatSys::ShaderParam& p) {
         glUniform1fv(at, p.getArrayCount(), p.getFloats());
     }},
    {"2fv",
     [](GLint at, const MatSys::ShaderParam& p) {
         glUniform2fv(at, p.getArrayCount(), p.getFloats());
     }},
    {"3fv",
     [](GLint at, const MatSys::ShaderParam& p) {
         glUniform3fv(at, p.getArrayCount(), p.getFloats());
     }},
    {"4fv",
     [](GLint at, const MatSys::ShaderParam& p) {
         glUniform4fv(at, p.getArrayCount(), p.getFloats());
     }},
    {"1iv", [](GLint at,
               const MatSys::ShaderParam& p) { glUniform1iv(at, p.getArrayCount(), p.getInts()); }},
    {"2iv", [](GLint at,
               const MatSys::ShaderParam& p) { glUniform2iv(at, p.getArrayCount(), p.getInts()); }},
    {"3iv", [](GLint at,
               const MatSys::ShaderParam& p) { glUniform3iv(at, p.getArrayCount(), p.getInts()); }},
    {"4iv", [](GLint at,
               const MatSys::ShaderParam& p) { glUniform4iv(at, p.getArrayCount(), p.getInts()); }},
    // The value of a sampler is the texture unit it reads.
    {"sampler1D", uniform1i},
    {"sampler2D", uniform1i},
    {"sampler3D", uniform1i},
};

} // namespace

bool uploadUniform(const int location, const MatSys::ShaderParam& param) {
    const char* const type = param.getType().c_str();
    for (const TypeUpload& row : s_uploads) {
        if (std::strcmp(row.type, type) == 0) {
            row.upload(location, param);
            return true;
        }
    }
    return false;
}

} // namespace MatSys::OGL
