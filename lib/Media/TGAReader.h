#pragma once

#include "Util/NonCopyable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace Media {

struct TGAHeader;

// Decodes one TGA image from a seekable stream positioned at its header. TGA::loadFromFile
// hands it a file; a stream over memory (fmemopen) works the same way. Where the stream
// has a file descriptor, the raw rows of a top-row-first image are read through it, and
// the stream is left short of the end of the pixels.
class TGAReader : private Util::NonCopyable<TGAReader> {
public:
    explicit TGAReader(std::FILE* stream);

    // Same contract as TGA::loadFromFile. Refuses a header whose pixels cannot be in the
    // rest of the stream before allocating anything.
    bool read(unsigned int* width, unsigned int* height, unsigned int* bpp, unsigned char** data);

private:
    // The image as runs of bytes in the order the file stores its pixels. Memory holds the
    // bottom row first: for a file that does too, the whole image is one run; for one that
    // stores the top row first (descriptor bit 5), each row is a run, the first of them at
    // the end of memory.
    struct Runs {
        unsigned char* pixels;
        std::size_t bytes;
        std::size_t count;
        bool reversed;

        static Runs inFileOrder(unsigned char* pixels, const TGAHeader& header,
                                unsigned int bytesPerPixel);
        unsigned char* at(const std::size_t i) const {
            return pixels + (reversed ? count - 1 - i : i) * bytes;
        }
    };

    // Where run-length decoding stands between two calls of readPackets: the packet it is
    // in, the end of the bytes buffered, and how many pixels of that packet are written.
    struct Packets {
        const unsigned char* packet;
        const unsigned char* buffered;
        std::size_t done;
    };

    bool readHeader(TGAHeader& header, std::uint64_t& bytesLeft);
    bool readRaw(Runs runs, unsigned int bytesPerPixel);
    bool readRowsScattered(Runs runs, unsigned int bytesPerPixel, int descriptor);
    bool readRowsOneByOne(Runs runs, unsigned int bytesPerPixel);
    bool readRaw(unsigned char* pixels, std::size_t count, unsigned int bytesPerPixel);
    bool readRunLength(Runs runs, unsigned int bytesPerPixel);
    bool readPackets(Packets& at, unsigned char* pixels, std::size_t count,
                     unsigned int bytesPerPixel);
    // Decodes the next `count` pixels to `pixels`, packets cut at either end included. Out
    // of line: inlined into the dispatch, the loops decode noisy images a fifth slower.
    template <unsigned int bytesPerPixel>
    [[gnu::noinline]] bool readPackets(Packets& at, unsigned char* pixels, std::size_t count);
    // Moves the `kept` unread bytes at `unread` to the front of m_buffer and fills the rest
    // from the stream; returns how many bytes m_buffer now holds.
    std::size_t refill(const unsigned char* unread, std::size_t kept);

    std::FILE* m_stream;
    // Large enough for the longest literal packet, 128 pixels of 4 bytes plus its header.
    std::array<unsigned char, 32768> m_buffer;
};

} // namespace Media
