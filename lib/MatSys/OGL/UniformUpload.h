#pragma once

namespace MatSys {
class ShaderParam;
} // namespace MatSys

namespace MatSys::OGL {

// Sends a parameter to the uniform at location of the program in use, by its type word:
// "1f" to "4f", "1i" to "4i", "1fv" to "4fv" and "1iv" to "4iv" (array count elements), and
// "sampler1D" to "sampler3D" (the texture unit). False, sending nothing, for any other word.
bool uploadUniform(int location, const MatSys::ShaderParam& param);

} // namespace MatSys::OGL
