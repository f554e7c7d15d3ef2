// Writes the game's font: the glyph image (a 32-bit TGA of white glyphs with alpha on
// transparent black, one 16 x 16 cell per character code, 16 cells to a row) and the
// sprite-font description that names a frame for every glyph and maps the characters.
//     kessok_fontgen <image path> <description path>
#include "Glyphs.h"

#include "Media/TGA.h"

#include <cstddef>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr unsigned int CELL = 16;
constexpr unsigned int CELLS_PER_ROW = 16;
constexpr unsigned int IMAGE_SIZE = CELL * CELLS_PER_ROW;
constexpr unsigned int PIXEL_SCALE = 2;
// Where the 5 x 7 design starts inside its cell, in image pixels from the cell's top left.
constexpr unsigned int ORIGIN_X = 3;
constexpr unsigned int ORIGIN_Y = 1;
const char* const IMAGE_NAME = "font.NEAR.NMIP.NCMP.tga";

void lightPixel(std::vector<unsigned char>& image, unsigned int x, unsigned int yFromTop) {
    // TGA rows are stored bottom row first.
    const unsigned int row = IMAGE_SIZE - 1 - yFromTop;
    unsigned char* pixel = &image[(std::size_t{row} * IMAGE_SIZE + x) * 4];
    pixel[0] = pixel[1] = pixel[2] = pixel[3] = 255;
}

void drawGlyph(std::vector<unsigned char>& image, const FontGen::GlyphDesign& glyph) {
    const auto code = static_cast<unsigned char>(glyph.code);
    const unsigned int cellX = (code % CELLS_PER_ROW) * CELL + ORIGIN_X;
    // Frame indexes count cells from the first stored row, which is the image's bottom row.
    const unsigned int cellRowFromTop = CELLS_PER_ROW - 1 - code / CELLS_PER_ROW;
    const unsigned int cellY = cellRowFromTop * CELL + ORIGIN_Y;
    for (unsigned int r = 0; r < 7; ++r) {
        for (unsigned int c = 0; c < 5; ++c) {
            if (glyph.rows[r][c] != '#') {
                continue;
            }
            for (unsigned int dy = 0; dy < PIXEL_SCALE; ++dy) {
                for (unsigned int dx = 0; dx < PIXEL_SCALE; ++dx) {
                    lightPixel(image, cellX + c * PIXEL_SCALE + dx, cellY + r * PIXEL_SCALE + dy);
                }
            }
        }
    }
}

bool isAlphaNumeric(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
}

// Digits and letters map by their own character; punctuation by its hexadecimal code, since
// ',' separates mapping items and ':' and '=' have meanings of their own in a mapping.
std::string mappingKey(char c) {
    if (isAlphaNumeric(c)) {
        return std::string(1, c);
    }
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(c));
    return hex;
}

std::string frameName(char c) {
    return "GLF_" + mappingKey(c);
}

bool writeDescription(const char* path) {
    std::ofstream out(path);
    out << "# The game's sprite font, written by kessok_fontgen: one 16 x 16 cell per\n"
           "# character code in "
        << IMAGE_NAME
        << ", 16 cells to a row.\n"
           "GLYPH_WIDTH == 16\n"
           "GLYPH_HEIGHT == 16\n"
           "GLYPH_BORDER == 0\n"
           "GLYPHS_IMAGE == "
        << IMAGE_NAME
        << "\n"
           "# Glyphs are 10 pixels wide in their cell: a gap of -2 leaves 4 pixels between them.\n"
           "GLYPH_COL_GAP == -2\n"
           "GLYPH_ROW_GAP == 4\n"
           "# One frame per glyph: its cell index, which is its character code.\n";
    for (const auto& glyph : FontGen::GLYPHS) {
        out << frameName(glyph.code) << " == " << static_cast<int>(glyph.code) << "\n";
    }
    out << "# Character => frame; letters and digits by themselves, the rest by hex code.\n"
           "GLYPH_MAPPINGS == ";
    const char* separator = "";
    for (const auto& glyph : FontGen::GLYPHS) {
        out << separator << mappingKey(glyph.code) << "=>" << frameName(glyph.code);
        separator = ", ";
    }
    out << "\n";
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kessok_fontgen <image.tga> <description.cfg>\n");
        return 2;
    }
    std::vector<unsigned char> image(std::size_t{IMAGE_SIZE} * IMAGE_SIZE * 4, 0);
    for (const auto& glyph : FontGen::GLYPHS) {
        drawGlyph(image, glyph);
    }
    if (!Media::TGA::saveToFile(argv[1], IMAGE_SIZE, IMAGE_SIZE, 32, image.data())) {
        std::fprintf(stderr, "kessok_fontgen: cannot write %s\n", argv[1]);
        return 1;
    }
    if (!writeDescription(argv[2])) {
        std::fprintf(stderr, "kessok_fontgen: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
