#pragma once

// The OpenGL plumbing shared by the window application and the render back end.
namespace OGL {

// Reads and drops the pending GL errors, for operations whose failures are meant to go
// unreported without leaving errors behind for the next caller of glGetError. It reads at
// most 64: a lost context reports an error for every read, for ever.
void discardErrors();

} // namespace OGL
