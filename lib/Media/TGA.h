#pragma once

namespace Media {

// Reads and writes TGA images: 8, 24 or 32 bits per pixel, no colour map, raw or
// run-length encoded on reading. Pixels in memory are R, G, B (A), bottom row first.
class TGA {
public:
    // On success *data is a new[] buffer of width × height × bpp / 8 bytes for the caller
    // to delete[]; on failure it stays null. Images of zero width or height are refused.
    static bool loadFromFile(const char* path, unsigned int* width, unsigned int* height,
                             unsigned int* bpp, unsigned char** data);
    // Writes an uncompressed file. Refuses, before touching the file, a bpp other than 8,
    // 24 or 32, null data and a width or height of 0 or above 65535.
    static bool saveToFile(const char* path, unsigned int width, unsigned int height,
                           unsigned int bpp, const unsigned char* data);
    // A new[] buffer of width × height × 4 bytes: each pixel's three bytes, then 255.
    static unsigned char* RGBtoRGBA(const unsigned char* pixels, unsigned int width,
                                    unsigned int height);
};

} // namespace Media
