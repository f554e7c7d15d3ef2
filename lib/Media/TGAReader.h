#pragma once

#include "Util/NonCopyable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace Media {

struct TGAHeader;

// Decodes one TGA image from a seekable stream positioned at its header. TGA::loadFromFile
// hands it a file; a stream over memory (fmemopen) works the same way.
class TGAReader : private Util::NonCopyable<TGAReader> {
public:
    explicit TGAReader(std::FILE* stream);

    // Same contract as TGA::loadFromFile. Refuses a header whose pixels cannot be in the
    // rest of the stream before allocating anything.
    bool read(unsigned int* width, unsigned int* height, unsigned int* bpp, unsigned char** data);

private:
    bool readHeader(TGAHeader& header, std::uint64_t& bytesLeft);
    bool readRaw(unsigned char* pixels, std::uint64_t count, unsigned int bytesPerPixel);
    bool readRunLength(unsigned char* pixels, std::uint64_t count, unsigned int bytesPerPixel);
    template <unsigned int bytesPerPixel>
    bool readRunLength(unsigned char* pixels, std::uint64_t count);
    // Moves the `kept` unread bytes at `unread` to the front of m_buffer and fills the rest
    // from the stream; returns how many bytes m_buffer now holds.
    std::size_t refill(const unsigned char* unread, std::size_t kept);

    std::FILE* m_stream;
    // Large enough for the longest literal packet, 128 pixels of 4 bytes plus its header.
    std::array<unsigned char, 32768> m_buffer;
};

} // namespace Media
