#pragma once

namespace OGL {

// Whether a feature can be used: its extension is reported and the unsuffixed entry points
// this code calls were loaded (the framebuffer ones are the OpenGL 3.0 names, which an
// older context may lack even when it reports the EXT extension).
bool bufferObjectsAvailable();
bool pixelBuffersAvailable();
bool framebuffersAvailable();
bool framebufferBlitAvailable();
// GLSL shader objects and programs with the OpenGL 2.0 uniform and attribute calls.
bool shadersAvailable();

} // namespace OGL
