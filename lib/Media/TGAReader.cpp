#include "Media/TGAReader.h"

#include "Media/ChannelOrder.h"
#include "Media/TGAHeader.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace Media {
namespace {

// One packet of a header byte and one pixel stands for up to 128 pixels, so run-length
// data never decodes to more than 128 times its own size.
constexpr std::uint64_t maxRunLengthExpansion = 128;

// Raw pixels are read this many at a time straight into the image, and each piece is
// reordered while it is still in the cache.
constexpr std::size_t rawChunkPixels = 16384;

bool supported(const TGAHeader& header) {
    const bool knownDepth =
        header.bitsPerPixel == 8 || header.bitsPerPixel == 24 || header.bitsPerPixel == 32;
    return knownDepth && header.colourMapType != TGAHeader::colourMapped &&
           (header.descriptor & TGAHeader::oddAlphaBits) == 0;
}

template <unsigned int bytesPerPixel>
void repeatPixel(const unsigned char* pixel, unsigned char* to, const std::size_t count) {
    for (std::size_t i = 0; i < count; ++i, to += bytesPerPixel) {
        std::memcpy(to, pixel, bytesPerPixel);
    }
}

void flipRows(unsigned char* pixels, const std::size_t rowBytes, const unsigned int rows) {
    for (unsigned int top = 0, bottom = rows - 1; top < bottom; ++top, --bottom) {
        unsigned char* const topRow = pixels + top * rowBytes;
        std::swap_ranges(topRow, topRow + rowBytes, pixels + bottom * rowBytes);
    }
}

} // namespace

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
    const std::uint64_t count = std::uint64_t{header.width} * header.height;
    const std::uint64_t bytes = count * bytesPerPixel;
    // Capped first so that the product below cannot overflow.
    const std::uint64_t usable = std::min(bytesLeft, bytes);
    const bool runLength = header.runLengthEncoded();
    if (bytes == 0 || (runLength ? usable * maxRunLengthExpansion : usable) < bytes) {
        return false;
    }
    std::unique_ptr<unsigned char[]> pixels(new unsigned char[bytes]);
    if (!(runLength ? readRunLength(pixels.get(), count, bytesPerPixel)
                    : readRaw(pixels.get(), count, bytesPerPixel))) {
        return false;
    }
    if ((header.descriptor & TGAHeader::topRowFirst) != 0) {
        flipRows(pixels.get(), std::size_t{header.width} * bytesPerPixel, header.height);
    }
    *width = header.width;
    *height = header.height;
    *bpp = header.bitsPerPixel;
    *data = pixels.release();
    return true;
}

bool TGAReader::readHeader(TGAHeader& header, std::uint64_t& bytesLeft) {
    unsigned char bytes[TGAHeader::size];
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

bool TGAReader::readRaw(unsigned char* pixels, std::uint64_t missing,
                        const unsigned int bytesPerPixel) {
    while (missing > 0) {
        const std::size_t count = std::min<std::uint64_t>(rawChunkPixels, missing);
        if (std::fread(pixels, bytesPerPixel, count, m_stream) != count) {
            return false;
        }
        swapRedBlue(pixels, pixels, count, bytesPerPixel);
        pixels += count * bytesPerPixel;
        missing -= count;
    }
    return true;
}

bool TGAReader::readRunLength(unsigned char* pixels, const std::uint64_t count,
                              const unsigned int bytesPerPixel) {
    // One loop per depth, so that every pixel copy below has a fixed size.
    if (bytesPerPixel == 3) {
        return readRunLength<3>(pixels, count);
    }
    if (bytesPerPixel == 4) {
        return readRunLength<4>(pixels, count);
    }
    return readRunLength<1>(pixels, count);
}

// The buffer position lives in locals: as members, every pixel store (unsigned char may
// alias anything) would force them to be reloaded for the next packet.
template <unsigned int bytesPerPixel>
bool TGAReader::readRunLength(unsigned char* pixels, std::uint64_t missing) {
    constexpr std::size_t longestPacket = 1 + 128 * bytesPerPixel;
    const unsigned char* packet = m_buffer.data();
    const unsigned char* buffered = packet;
    while (missing > 0) {
        if (static_cast<std::size_t>(buffered - packet) < longestPacket) {
            buffered =
                m_buffer.data() + refill(packet, static_cast<std::size_t>(buffered - packet));
            packet = m_buffer.data();
            if (packet == buffered) {
                return false;
            }
        }
        // A packet running past the image is cut to the pixels still missing.
        const std::size_t count = std::min<std::uint64_t>((packet[0] & 0x7Fu) + 1u, missing);
        const bool repeated = (packet[0] & 0x80u) != 0;
        const std::size_t used = 1 + (repeated ? 1 : count) * bytesPerPixel;
        if (static_cast<std::size_t>(buffered - packet) < used) {
            return false;
        }
        if (repeated) {
            unsigned char pixel[bytesPerPixel];
            ChannelOrder<bytesPerPixel>::swapRedBlue(packet + 1, pixel, 1);
            repeatPixel<bytesPerPixel>(pixel, pixels, count);
        } else {
            ChannelOrder<bytesPerPixel>::swapRedBlue(packet + 1, pixels, count);
        }
        packet += used;
        pixels += count * bytesPerPixel;
        missing -= count;
    }
    return true;
}

std::size_t TGAReader::refill(const unsigned char* unread, const std::size_t kept) {
    std::memmove(m_buffer.data(), unread, kept);
    return kept + std::fread(m_buffer.data() + kept, 1, m_buffer.size() - kept, m_stream);
}

} // namespace Media
