#include "Media/TGAHeader.h"

#include <cstring>

namespace Media {
namespace {

enum Offset : std::size_t {
    ID_LENGTH_AT = 0,
    COLOUR_MAP_TYPE_AT = 1,
    IMAGE_TYPE_AT = 2,
    WIDTH_AT = 12,
    HEIGHT_AT = 14,
    BITS_PER_PIXEL_AT = 16,
    DESCRIPTOR_AT = 17,
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
    header.idLength = bytes[ID_LENGTH_AT];
    header.colourMapType = bytes[COLOUR_MAP_TYPE_AT];
    header.imageType = bytes[IMAGE_TYPE_AT];
    header.width = readLittleEndian(bytes + WIDTH_AT);
    header.height = readLittleEndian(bytes + HEIGHT_AT);
    header.bitsPerPixel = bytes[BITS_PER_PIXEL_AT];
    header.descriptor = bytes[DESCRIPTOR_AT];
    return header;
}

void TGAHeader::toBytes(unsigned char* bytes) const {
    std::memset(bytes, 0, SIZE);
    bytes[ID_LENGTH_AT] = idLength;
    bytes[COLOUR_MAP_TYPE_AT] = colourMapType;
    bytes[IMAGE_TYPE_AT] = imageType;
    writeLittleEndian(bytes + WIDTH_AT, width);
    writeLittleEndian(bytes + HEIGHT_AT, height);
    bytes[BITS_PER_PIXEL_AT] = bitsPerPixel;
    bytes[DESCRIPTOR_AT] = descriptor;
}

} // namespace Media
