#include "Media/TGAReader.h"

#include "Media/ChannelOrder.h"
#include "Media/TGAHeader.h"

#include <sys/types.h>
#include <sys/uio.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <vector>

namespace Media {
namespace {

// One packet of a header byte and one pixel stands for up to 128 pixels, so run-length
// data never decodes to more than 128 times its own size.
constexpr std::uint64_t MAX_RUN_LENGTH_EXPANSION = 128;

// Raw pixels are read this many at a time straight into the image, and each piece is
// reordered while it is still in the cache.
constexpr std::size_t RAW_CHUNK_PIXELS = 16384;

bool supported(const TGAHeader& header) {
    const bool knownDepth =
        header.bitsPerPixel == 8 || header.bitsPerPixel == 24 || header.bitsPerPixel == 32;
    return knownDepth && header.colourMapType != TGAHeader::COLOUR_MAPPED &&
           (header.descriptor & TGAHeader::ODD_ALPHA_BITS) == 0;
}

// Runs of one-byte pixels are what memset does. Wider pixels are stored sixteen at a time
// from a block of them: wide stores rather than one per pixel, which makes images of large
// flat areas decode three to four times faster.
template <unsigned int bytesPerPixel>
void repeatPixel(const unsigned char* pixel, unsigned char* to, std::size_t count) {
    if constexpr (bytesPerPixel == 1) {
        std::memset(to, *pixel, count);
    } else {
        constexpr std::size_t BLOCK_PIXELS = 16;
        if (count >= BLOCK_PIXELS) {
            unsigned char block[BLOCK_PIXELS * bytesPerPixel];
            for (std::size_t i = 0; i < BLOCK_PIXELS; ++i) {
                std::memcpy(block + i * bytesPerPixel, pixel, bytesPerPixel);
            }
            for (; count >= BLOCK_PIXELS; count -= BLOCK_PIXELS, to += sizeof block) {
                std::memcpy(to, block, sizeof block);
            }
        }
        for (std::size_t i = 0; i < count; ++i, to += bytesPerPixel) {
            std::memcpy(to, pixel, bytesPerPixel);
        }
    }
}

// Writes `count` pixels of a packet, from its pixel `first` on, to `to`.
template <unsigned int bytesPerPixel>
void unpack(const unsigned char* const packet, const std::size_t first, const std::size_t count,
            unsigned char* const to) {
    if ((packet[0] & 0x80u) != 0) {
        unsigned char pixel[bytesPerPixel] = {};
        ChannelOrder<bytesPerPixel>::swapRedBlue(packet + 1, pixel, 1);
        repeatPixel<bytesPerPixel>(pixel, to, count);
    } else {
        ChannelOrder<bytesPerPixel>::swapRedBlue(packet + 1 + first * bytesPerPixel, to, count);
    }
}

void fetchForWriting(const unsigned char* const from, const std::size_t bytes) {
    constexpr std::size_t CACHE_LINE = 64;
    for (std::size_t offset = 0; offset < bytes; offset += CACHE_LINE) {
        __builtin_prefetch(from + offset, 1);
    }
}

} // namespace

TGAReader::Runs TGAReader::Runs::inFileOrder(unsigned char* const pixels, const TGAHeader& header,
                                             const unsigned int bytesPerPixel) {
    const std::size_t rowBytes = std::size_t{header.width} * bytesPerPixel;
    if ((header.descriptor & TGAHeader::TOP_ROW_FIRST) != 0) {
        return {pixels, rowBytes, header.height, true};
    }
    return {pixels, rowBytes * header.height, 1, false};
}

TGAReader::TGAReader(std::FILE* stream) : m_stream(stream) {}

bool TGAReader::read(unsigned int* width, unsigned int* height, unsigned int* bpp,
                     unsigned char** data) {
    *data = nullptr;
    TGAHeader header{};
    std::uint64_t bytesLeft = 0;
    if (!readHeader(header, bytesLeft) || !supported(header)) {
        return false;
    }
    const unsigned int bytesPerPixel = header.bitsPerPixel / 8u;
    const std::uint64_t bytes = std::uint64_t{header.width} * header.height * bytesPerPixel;
    // Capped first so that the product below cannot overflow.
    const std::uint64_t usable = std::min(bytesLeft, bytes);
    const bool runLength = header.runLengthEncoded();
    if (bytes == 0 || (runLength ? usable * MAX_RUN_LENGTH_EXPANSION : usable) < bytes) {
        return false;
    }
    std::unique_ptr<unsigned char[]> pixels(new unsigned char[bytes]);
    const Runs runs = Runs::inFileOrder(pixels.get(), header, bytesPerPixel);
    if (!(runLength ? readRunLength(runs, bytesPerPixel) : readRaw(runs, bytesPerPixel))) {
        return false;
    }
    *width = header.width;
    *height = header.height;
    *bpp = header.bitsPerPixel;
    *data = pixels.release();
    return true;
}

bool TGAReader::readHeader(TGAHeader& header, std::uint64_t& bytesLeft) {
    unsigned char bytes[TGAHeader::SIZE];
    if (std::fread(bytes, 1, sizeof bytes, m_stream) != sizeof bytes) {
        return false;
    }
    header = TGAHeader::fromBytes(bytes);
    const long headerEnd = std::ftell(m_stream);
    if (headerEnd < 0 || std::fseek(m_stream, 0, SEEK_END) != 0) {
        return false;
    }
    const long pixelsStart = headerEnd + header.idLength;
    const long end = std::ftell(m_stream);
    if (end < pixelsStart || std::fseek(m_stream, pixelsStart, SEEK_SET) != 0) {
        return false;
    }
    bytesLeft = static_cast<std::uint64_t>(end - pixelsStart);
    return true;
}

bool TGAReader::readRaw(const Runs runs, const unsigned int bytesPerPixel) {
    if (!runs.reversed) {
        return readRaw(runs.pixels, runs.bytes / bytesPerPixel, bytesPerPixel);
    }
    const int descriptor = fileno(m_stream);
    return descriptor >= 0 ? readRowsScattered(runs, bytesPerPixel, descriptor)
                           : readRowsOneByOne(runs, bytesPerPixel);
}

// Read from a file one by one, rows would each cost a call to the system; one call fills
// the rows of a chunk, each in its place. The stream's own position is left behind, since
// nothing is read after the pixels.
bool TGAReader::readRowsScattered(const Runs runs, const unsigned int bytesPerPixel,
                                  const int descriptor) {
    const std::size_t rowPixels = runs.bytes / bytesPerPixel;
    const std::size_t rowsPerCall =
        std::min<std::size_t>(std::max<std::size_t>(1, RAW_CHUNK_PIXELS / rowPixels), IOV_MAX);
    std::vector<iovec> rows(rowsPerCall);
    long offset = std::ftell(m_stream);
    for (std::size_t row = 0; row < runs.count;) {
        const std::size_t count = std::min(rowsPerCall, runs.count - row);
        for (std::size_t i = 0; i < count; ++i) {
            rows[i] = {runs.at(row + i), runs.bytes};
        }
        const auto bytes = static_cast<ssize_t>(count * runs.bytes);
        if (offset < 0 ||
            preadv(descriptor, rows.data(), static_cast<int>(count), offset) != bytes) {
            return false;
        }
        offset += bytes;
        for (std::size_t i = 0; i < count; ++i, ++row) {
            swapRedBlue(runs.at(row), runs.at(row), rowPixels, bytesPerPixel);
        }
    }
    return true;
}

// A stream without a file behind it, such as one over memory, costs nothing per read.
bool TGAReader::readRowsOneByOne(const Runs runs, const unsigned int bytesPerPixel) {
    for (std::size_t row = 0; row < runs.count; ++row) {
        if (!readRaw(runs.at(row), runs.bytes / bytesPerPixel, bytesPerPixel)) {
            return false;
        }
    }
    return true;
}

bool TGAReader::readRaw(unsigned char* pixels, std::size_t missing,
                        const unsigned int bytesPerPixel) {
    while (missing > 0) {
        const std::size_t count = std::min(RAW_CHUNK_PIXELS, missing);
        if (std::fread(pixels, bytesPerPixel, count, m_stream) != count) {
            return false;
        }
        swapRedBlue(pixels, pixels, count, bytesPerPixel);
        pixels += count * bytesPerPixel;
        missing -= count;
    }
    return true;
}

bool TGAReader::readRunLength(const Runs runs, const unsigned int bytesPerPixel) {
    Packets at{m_buffer.data(), m_buffer.data(), 0};
    const std::size_t rowPixels = runs.bytes / bytesPerPixel;
    if (!runs.reversed) {
        return readPackets(at, runs.pixels, rowPixels, bytesPerPixel);
    }
    // Each row is decoded in place by the same loop, the packet cut at its end carried on
    // into the next row. The hardware does not foresee the jump down to the next row, and
    // the first writes there stall; fetching that row while this one is decoded avoids it.
    for (std::size_t row = 0; row < runs.count; ++row) {
        unsigned char* const pixels = runs.at(row);
        if (row + 1 < runs.count) {
            fetchForWriting(pixels - runs.bytes, runs.bytes);
        }
        if (!readPackets(at, pixels, rowPixels, bytesPerPixel)) {
            return false;
        }
    }
    return true;
}

bool TGAReader::readPackets(Packets& at, unsigned char* const pixels, const std::size_t count,
                            const unsigned int bytesPerPixel) {
    // One loop per depth, so that every pixel copy has a fixed size.
    if (bytesPerPixel == 3) {
        return readPackets<3>(at, pixels, count);
    }
    if (bytesPerPixel == 4) {
        return readPackets<4>(at, pixels, count);
    }
    return readPackets<1>(at, pixels, count);
}

// The buffer and image positions live in locals: as members, every pixel store (unsigned
// char may alias anything) would force them to be reloaded for the next packet.
template <unsigned int bytesPerPixel>
bool TGAReader::readPackets(Packets& at, unsigned char* pixels, std::size_t missing) {
    constexpr std::size_t LONGEST_PACKET = 1 + 128 * bytesPerPixel;
    const unsigned char* packet = at.packet;
    const unsigned char* buffered = at.buffered;
    if (at.done > 0) {
        // The rest of a packet cut at the end of the last call. Its first part was checked
        // against the buffer after a refill that left less than a packet only at the end of
        // the stream, so whatever of the packet there is, is buffered.
        const std::size_t count = (packet[0] & 0x7Fu) + 1u;
        const bool repeated = (packet[0] & 0x80u) != 0;
        const std::size_t part = std::min(count - at.done, missing);
        const std::size_t used = 1 + (repeated ? 1 : at.done + part) * bytesPerPixel;
        if (static_cast<std::size_t>(buffered - packet) < used) {
            return false;
        }
        unpack<bytesPerPixel>(packet, at.done, part, pixels);
        pixels += part * bytesPerPixel;
        missing -= part;
        at.done += part;
        if (at.done < count) {
            return true;
        }
        packet += used;
        at.done = 0;
    }
    while (missing > 0) {
        if (static_cast<std::size_t>(buffered - packet) < LONGEST_PACKET) {
            buffered =
                m_buffer.data() + refill(packet, static_cast<std::size_t>(buffered - packet));
            packet = m_buffer.data();
            if (packet == buffered) {
                return false;
            }
        }
        // A packet running past the pixels asked for is cut to them; the rest of it, if
        // asked for, is written by the next call.
        const std::size_t whole = (packet[0] & 0x7Fu) + 1u;
        const std::size_t count = std::min(whole, missing);
        const bool repeated = (packet[0] & 0x80u) != 0;
        const std::size_t used = 1 + (repeated ? 1 : count) * bytesPerPixel;
        if (static_cast<std::size_t>(buffered - packet) < used) {
            return false;
        }
        unpack<bytesPerPixel>(packet, 0, count, pixels);
        if (count < whole) {
            at = {packet, buffered, count};
            return true;
        }
        pixels += count * bytesPerPixel;
        packet += used;
        missing -= count;
    }
    at = {packet, buffered, 0};
    return true;
}

std::size_t TGAReader::refill(const unsigned char* unread, const std::size_t kept) {
    std::memmove(m_buffer.data(), unread, kept);
    return kept + std::fread(m_buffer.data() + kept, 1, m_buffer.size() - kept, m_stream);
}

} // namespace Media
