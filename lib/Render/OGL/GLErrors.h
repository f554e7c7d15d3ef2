#pragma once

namespace OGL {

// Reads and drops every pending GL error, for operations whose failures are meant to go
// unreported without leaving errors behind for the next caller of glGetError.
void discardErrors();

} // namespace OGL
