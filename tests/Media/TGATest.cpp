#include "Media/TGA.h"
#include "Media/TGAReader.h"
#include "Support/HeapCounter.h"
#include "Support/RunLengthPackets.h"
#include "Support/ScratchDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

// The 18 header bytes, little-endian, no id and no colour map.
Bytes header(unsigned char type, unsigned int width, unsigned int height, unsigned char bpp,
             unsigned char descriptor = 0) {
    Bytes bytes(18, 0);
    bytes[2] = type;
    bytes[12] = static_cast<unsigned char>(width);
    bytes[13] = static_cast<unsigned char>(width >> 8);
    bytes[14] = static_cast<unsigned char>(height);
    bytes[15] = static_cast<unsigned char>(height >> 8);
    bytes[16] = bpp;
    bytes[17] = descriptor;
    return bytes;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class TGATest : public testing::Test {
protected:
    std::string path() const { return m_dir.path("image.tga"); }

    std::string write(const Bytes& bytes) const {
        return m_dir.write("image.tga", std::string(bytes.begin(), bytes.end()));
    }

    Bytes read() const {
        const std::string text = m_dir.read("image.tga");
        return Bytes(text.begin(), text.end());
    }

    // The decoded pixels of a file that must load.
    Bytes load(const std::string& file) {
        unsigned char* data = nullptr;
        const bool loaded =
            Media::TGA::loadFromFile(file.c_str(), &m_shape[0], &m_shape[1], &m_shape[2], &data);
        EXPECT_TRUE(loaded);
        const Bytes pixels(data, loaded ? data + m_shape[0] * m_shape[1] * m_shape[2] / 8 : data);
        delete[] data;
        return pixels;
    }

    // The decoded pixels of a file that must load, read from a stream over memory.
    static Bytes loadFromMemory(Bytes file) {
        std::FILE* const stream = fmemopen(file.data(), file.size(), "rb");
        unsigned int shape[3] = {};
        unsigned char* data = nullptr;
        const bool loaded = Media::TGAReader(stream).read(&shape[0], &shape[1], &shape[2], &data);
        std::fclose(stream);
        EXPECT_TRUE(loaded);
        const Bytes pixels(data, loaded ? data + shape[0] * shape[1] * shape[2] / 8 : data);
        delete[] data;
        return pixels;
    }

    // Whether loading fails, leaving the data pointer null.
    static bool refused(const char* file) {
        unsigned int size = 0;
        unsigned char* data = reinterpret_cast<unsigned char*>(&size);
        if (Media::TGA::loadFromFile(file, &size, &size, &size, &data)) {
            delete[] data;
            return false;
        }
        return data == nullptr;
    }

    // Width, height and bits per pixel of the last image loaded.
    std::vector<unsigned int> m_shape = std::vector<unsigned int>(3);
    const ScratchDir m_dir;
};

TEST_F(TGATest, RawAndRunLengthLoadInEveryDepthAndOrientation) {
    // A 3 x 2 image: the bottom row one colour (a repeated packet), the top row three
    // colours (a literal packet). Colours as stored: B, G, R, A.
    const Bytes a{30, 20, 10, 40}, b{70, 60, 50, 80}, c{110, 100, 90, 120};
    for (const unsigned char bpp : std::initializer_list<unsigned char>{8, 24, 32}) {
        // The first bpp / 8 bytes of each colour, red and blue swapped once loaded.
        const auto pixels = [bpp](std::initializer_list<Bytes> colours, bool loaded) {
            Bytes out;
            for (Bytes p : colours) {
                if (loaded && bpp > 8) {
                    std::swap(p[0], p[2]);
                }
                out.insert(out.end(), p.begin(), p.begin() + bpp / 8);
            }
            return out;
        };
        const Bytes bottom = pixels({a, a, a}, false);
        const Bytes top = pixels({a, b, c}, false);
        const Bytes bottomPacket = Bytes{0x82} + pixels({a}, false);
        const Bytes topPacket = Bytes{0x02} + top;
        const unsigned char raw = bpp == 8 ? 3 : 2;
        const unsigned char alpha = bpp == 32 ? 0x08 : 0;
        const Bytes files[] = {header(raw, 3, 2, bpp, alpha) + bottom + top,
                               header(raw, 3, 2, bpp, alpha | 0x20) + top + bottom,
                               header(raw + 8, 3, 2, bpp, alpha) + bottomPacket + topPacket,
                               header(raw + 8, 3, 2, bpp, alpha | 0x20) + topPacket + bottomPacket};
        for (const Bytes& file : files) {
            SCOPED_TRACE("bpp " + std::to_string(bpp) + ", image type " + std::to_string(file[2]) +
                         ", descriptor " + std::to_string(file[17]));
            EXPECT_EQ(load(write(file)), pixels({a, a, a, a, b, c}, true));
            EXPECT_EQ(m_shape, (std::vector<unsigned int>{3, 2, bpp}));
        }
    }
}

// Rows go in file order straight to their place: for a top-row-first file one row at a
// time, with packets running on across rows, and raw rows a chunk at a time from a file or
// one by one from memory. The shapes cover an odd row count, a last chunk cut short and a
// row longer than a chunk.
TEST_F(TGATest, TopRowFirstFilesLoadAsTheirBottomRowFirstTwins) {
    const unsigned int shapes[][2] = {{5, 7}, {100, 400}, {16385, 3}};
    const unsigned char depths[] = {8, 24, 32};
    for (const unsigned char bpp : depths) {
        const unsigned int bytesPerPixel = bpp / 8u;
        for (const auto& [width, height] : shapes) {
            // Groups of 70 pixels, every other group in one colour, as stored: B, G, R, A.
            // Runs and literal packets go a block of pixels at a time, the rest one by one.
            Bytes bottomFirst(std::size_t{width} * height * bytesPerPixel);
            for (std::size_t i = 0; i < bottomFirst.size(); ++i) {
                const std::size_t pixel = i / bytesPerPixel;
                const std::size_t seed = pixel / 70 % 2 == 0 ? pixel / 70 : pixel * 13;
                bottomFirst[i] = static_cast<unsigned char>(seed * 29 + i % bytesPerPixel * 7);
            }
            Bytes topFirst;
            const std::size_t rowBytes = std::size_t{width} * bytesPerPixel;
            for (std::size_t row = height; row > 0; --row) {
                const auto rowStart = bottomFirst.begin() + static_cast<long>((row - 1) * rowBytes);
                topFirst.insert(topFirst.end(), rowStart, rowStart + static_cast<long>(rowBytes));
            }
            Bytes expected = bottomFirst;
            for (std::size_t i = 0; bytesPerPixel > 1 && i < expected.size(); i += bytesPerPixel) {
                std::swap(expected[i], expected[i + 2]);
            }
            const unsigned char raw = bpp == 8 ? 3 : 2;
            const unsigned char alpha = bpp == 32 ? 0x08 : 0;
            const Bytes files[] = {header(raw, width, height, bpp, alpha) + bottomFirst,
                                   header(raw, width, height, bpp, alpha | 0x20) + topFirst,
                                   header(raw + 8, width, height, bpp, alpha) +
                                       runLengthPackets(bottomFirst, bytesPerPixel),
                                   header(raw + 8, width, height, bpp, alpha | 0x20) +
                                       runLengthPackets(topFirst, bytesPerPixel)};
            for (const Bytes& file : files) {
                SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height) + ", bpp " +
                             std::to_string(bpp) + ", image type " + std::to_string(file[2]) +
                             ", descriptor " + std::to_string(file[17]));
                EXPECT_TRUE(load(write(file)) == expected);
                EXPECT_TRUE(loadFromMemory(file) == expected);
            }
        }
    }
}

TEST_F(TGATest, ImageIdIsSkippedAndRunLengthPacketsPastTheImageAreCut) {
    Bytes withId = header(3, 2, 1, 8) + Bytes{'i', 'd', 7, 9};
    withId[0] = 2;
    EXPECT_EQ(load(write(withId)), (Bytes{7, 9}));
    EXPECT_EQ(load(write(header(11, 2, 1, 8) + Bytes{0x83, 5})), (Bytes{5, 5}));
    // The literal packet announces four pixels; the file ends after the two needed.
    EXPECT_EQ(load(write(header(11, 2, 1, 8) + Bytes{0x03, 5, 6})), (Bytes{5, 6}));
}

TEST_F(TGATest, UnsupportedEmptyShortAndLyingFilesAreRefusedBeforeAllocating) {
    const Bytes raw = header(2, 2, 1, 24) + Bytes{1, 2, 3, 4, 5, 6};
    const Bytes runLength = header(10, 2, 1, 24) + Bytes{0x01, 1, 2, 3, 4, 5, 6};
    Bytes colourMapped = raw, longId = raw;
    colourMapped[1] = 1;
    longId[0] = 7;
    const std::pair<const char*, Bytes> files[] = {
        {"colour map", colourMapped},
        {"16 bits", header(2, 1, 1, 16) + Bytes{1, 2}},
        {"descriptor 1", header(2, 1, 1, 24, 0x01) + Bytes{1, 2, 3}},
        {"descriptor 2", header(2, 1, 1, 24, 0x02) + Bytes{1, 2, 3}},
        {"descriptor 4", header(2, 1, 1, 24, 0x04) + Bytes{1, 2, 3}},
        {"zero width", header(3, 0, 1, 8) + Bytes{1}},
        {"zero height", header(10, 1, 0, 24) + Bytes{0x80, 1, 2, 3}},
        {"short header", Bytes(raw.begin(), raw.begin() + 14)},
        {"short raw pixels", Bytes(raw.begin(), raw.end() - 1)},
        {"packet without its pixels", Bytes(runLength.begin(), runLength.end() - 6)},
        {"packet short of one byte", Bytes(runLength.begin(), runLength.end() - 1)},
        {"id past the end", longId},
        {"lying raw size", header(2, 65535, 65535, 32) + Bytes{1, 2, 3}},
        {"lying run-length size", header(10, 65535, 65535, 32) + Bytes{0xFF, 1, 2, 3, 4}}};
    HeapCounter::s_largest = 0;
    for (const auto& [name, file] : files) {
        EXPECT_TRUE(refused(write(file).c_str())) << name;
    }
    EXPECT_LT(HeapCounter::s_largest, 1u << 20);
    EXPECT_TRUE(refused((path() + ".missing").c_str()));
    EXPECT_TRUE(refused(nullptr));
}

TEST_F(TGATest, SavedFileHoldsTheHeaderAndLoadsBack) {
    const Bytes rgb = {1, 2, 3, 4, 5, 6};
    ASSERT_TRUE(Media::TGA::saveToFile(path().c_str(), 2, 1, 24, rgb.data()));
    EXPECT_EQ(read(), (header(2, 2, 1, 24, 0x08) + Bytes{3, 2, 1, 6, 5, 4}));
    EXPECT_EQ(load(path()), rgb);
    const Bytes grey = {7, 8, 9};
    ASSERT_TRUE(Media::TGA::saveToFile(path().c_str(), 1, 3, 8, grey.data()));
    EXPECT_EQ(read(), header(3, 1, 3, 8, 0x08) + grey);
    const Bytes rgba = {1, 2, 3, 4};
    ASSERT_TRUE(Media::TGA::saveToFile(path().c_str(), 1, 1, 32, rgba.data()));
    EXPECT_EQ(load(path()), rgba);
}

TEST_F(TGATest, RefusedSaveLeavesTheFileAlone) {
    const std::string file = write({42});
    const unsigned char pixel[4] = {};
    const unsigned int refused[][3] = {
        {1, 1, 16}, {0, 1, 24}, {1, 0, 24}, {65536, 1, 8}, {1, 65536, 8}};
    for (const auto& [width, height, bpp] : refused) {
        EXPECT_FALSE(Media::TGA::saveToFile(file.c_str(), width, height, bpp, pixel));
    }
    EXPECT_FALSE(Media::TGA::saveToFile(file.c_str(), 1, 1, 24, nullptr));
    EXPECT_EQ(read(), Bytes{42});
    EXPECT_FALSE(Media::TGA::saveToFile(nullptr, 1, 1, 24, pixel));
    EXPECT_FALSE(Media::TGA::saveToFile(m_dir.path("no/such/folder.tga").c_str(), 1, 1, 24, pixel));
}

TEST_F(TGATest, RGBtoRGBAAddsOpaqueAlpha) {
    const Bytes rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    unsigned char* const rgba = Media::TGA::RGBtoRGBA(rgb.data(), 2, 2);
    EXPECT_EQ(Bytes(rgba, rgba + 16),
              (Bytes{1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255, 10, 11, 12, 255}));
    delete[] rgba;
}

} // namespace
