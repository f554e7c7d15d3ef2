#pragma once

namespace OGL {

// The GL buffer plumbing shared by vertex buffer objects and pixel buffers.

// A new buffer of size bytes that could be mapped, or 0. Drivers may fail to give storage
// to a fresh buffer, so allocation is retried a few times; a buffer that never maps is
// deleted again.
unsigned int createMappableBuffer(unsigned int target, int size, unsigned int usage);

// Whether a transfer of size bytes at offset moves anything and stays inside a buffer of
// bufferSize bytes.
bool transferInside(int bufferSize, int size, int offset);

// Copy between memory and the buffer, which is bound to target for the transfer only: the
// buffer bound there before is bound again afterwards.
void readBuffer(unsigned int target, unsigned int buffer, int offset, int size, void* dst);
void writeBuffer(unsigned int target, unsigned int buffer, int offset, int size, const void* src);

} // namespace OGL
