#include "Media/TGAHeader.h"

#include <cstring>

namespace Media {
namespace {

enum Offset : std::size_t {
    idLengthAt = 0,
    colourMapTypeAt = 1,
    imageTypeAt = 2,
    widthAt = 12,
    heightAt = 14,
    bitsPerPixelAt = 16,
    descriptorAt = 17,
};

std::uint16_t readLittleEndian(const unsigned char* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

void writeLittleEndian(unsigned char* bytes, const std::uint16_t value) {
    bytes[0] = static_cast<unsigned char>(value);
    bytes[1] = static_cast<unsigned char>(value >> 8);
}

} // namespace

TGAHeader TGAHeader::fromBytes(const unsigned char* bytes) {
    TGAHeader header{};
    header.idLength = bytes[idLengthAt];
    header.colourMapType = bytes[colourMapTypeAt];
    header.imageType = bytes[imageTypeAt];
    header.width = readLittleEndian(bytes + widthAt);
    header.height = readLittleEndian(bytes + heightAt);
    header.bitsPerPixel = bytes[bitsPerPixelAt];
    header.descriptor = bytes[descriptorAt];
    return header;
}

void TGAHeader::toBytes(unsigned char* bytes) const {
    std::memset(bytes, 0, size);
    bytes[idLengthAt] = idLength;
    bytes[colourMapTypeAt] = colourMapType;
    bytes[imageTypeAt] = imageType;
    writeLittleEndian(bytes + widthAt, width);
    writeLittleEndian(bytes + heightAt, height);
    bytes[bitsPerPixelAt] = bitsPerPixel;
    bytes[descriptorAt] = descriptor;
}

} // namespace Media
