#include "Media/TGA.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <string>
#include <vector>

namespace {
std::size_t l_largestAllocation = 0;

// Kept out of line: inlined into operator delete, gcc takes the free() for a mismatch.
[[gnu::noinline]] void release(void* const block) {
    std::free(block);
}
} // namespace

// Records the largest single request, to show that lying headers allocate nothing big.
void* operator new(const std::size_t size) {
    l_largestAllocation = std::max(l_largestAllocation, size);
    if (void* const block = std::malloc(size)) {
        return block;
    }
    throw std::bad_alloc();
}
void operator delete(void* const block) noexcept {
    release(block);
}
void operator delete(void* const block, std::size_t) noexcept {
    release(block);
}

namespace {

using Bytes = std::vector<unsigned char>;

// The 18 header bytes as a TGA file holds them, little-endian, no id and no colour map.
Bytes header(const unsigned char type, const unsigned int width, const unsigned int height,
             const unsigned char bpp, const unsigned char descriptor = 0) {
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
    void SetUp() override {
        std::string pattern = std::filesystem::temp_directory_path() / "TGATest.XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string path(const char* name) const { return (m_folder / name).string(); }

    std::string write(const Bytes& bytes, const char* name = "image.tga") const {
        std::ofstream(path(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path(name);
    }

    Bytes read(const std::string& file) const {
        std::ifstream in(file, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    // The decoded pixels, or an empty vector after a failed load, which must leave the
    // data pointer null.
    Bytes load(const std::string& file) {
        unsigned char* data = reinterpret_cast<unsigned char*>(this);
        if (!Media::TGA::loadFromFile(file.c_str(), &m_width, &m_height, &m_bpp, &data)) {
            EXPECT_EQ(data, nullptr);
            return {};
        }
        const Bytes pixels(data, data + std::size_t{m_width} * m_height * m_bpp / 8);
        delete[] data;
        return pixels;
    }

    std::filesystem::path m_folder;
    unsigned int m_width = 0;
    unsigned int m_height = 0;
    unsigned int m_bpp = 0;
};

TEST_F(TGATest, RawAndRunLengthLoadInEveryDepthAndOrientation) {
    // A 3 × 2 image: the bottom row one colour (a repeated packet), the top row three
    // colours (a literal packet). Channels are given R, G, B, A and stored B, G, R, A.
    const Bytes colours[] = {{10, 20, 30, 40}, {50, 60, 70, 80}, {90, 100, 110, 120}};
    for (const unsigned char bpp : {8, 24, 32}) {
        const unsigned int size = bpp / 8u;
        const auto pixel = [&](const Bytes& rgba, const bool stored) {
            Bytes out(rgba.begin(), rgba.begin() + size);
            if (stored && size > 1) {
                std::swap(out[0], out[2]);
            }
            return out;
        };
        const Bytes bottom =
            pixel(colours[0], true) + pixel(colours[0], true) + pixel(colours[0], true);
        const Bytes top =
            pixel(colours[0], true) + pixel(colours[1], true) + pixel(colours[2], true);
        const Bytes expected = pixel(colours[0], false) + pixel(colours[0], false) +
                               pixel(colours[0], false) + pixel(colours[0], false) +
                               pixel(colours[1], false) + pixel(colours[2], false);
        const Bytes bottomPacket = Bytes{0x82} + pixel(colours[0], true);
        const Bytes topPacket = Bytes{0x02} + top;
        const unsigned char raw = bpp == 8 ? 3 : 2;
        const unsigned char rle = bpp == 8 ? 11 : 10;
        const unsigned char alpha = bpp == 32 ? 0x08 : 0;
        const Bytes files[] = {
            header(raw, 3, 2, bpp, alpha) + bottom + top,
            header(raw, 3, 2, bpp, alpha | 0x20) + top + bottom,
            header(rle, 3, 2, bpp, alpha) + bottomPacket + topPacket,
            header(rle, 3, 2, bpp, alpha | 0x20) + topPacket + bottomPacket,
        };
        for (const Bytes& file : files) {
            SCOPED_TRACE("bpp " + std::to_string(bpp) + ", image type " + std::to_string(file[2]) +
                         ", descriptor " + std::to_string(file[17]));
            EXPECT_EQ(load(write(file)), expected);
            EXPECT_EQ(m_width, 3u);
            EXPECT_EQ(m_height, 2u);
            EXPECT_EQ(m_bpp, bpp);
        }
    }
}

TEST_F(TGATest, ImageIdIsSkipped) {
    Bytes file = header(3, 2, 1, 8) + Bytes{'i', 'd', 7, 9};
    file[0] = 2;
    EXPECT_EQ(load(write(file)), (Bytes{7, 9}));
}

TEST_F(TGATest, RunLengthPacketsPastTheImageAreCut) {
    EXPECT_EQ(load(write(header(11, 2, 1, 8) + Bytes{0x83, 5})), (Bytes{5, 5}));
    // The literal packet announces four pixels; the file ends after the two needed.
    EXPECT_EQ(load(write(header(11, 2, 1, 8) + Bytes{0x03, 5, 6})), (Bytes{5, 6}));
}

TEST_F(TGATest, UnsupportedHeadersAreRefused) {
    Bytes colourMapped = header(2, 1, 1, 24) + Bytes{1, 2, 3};
    colourMapped[1] = 1;
    EXPECT_TRUE(load(write(colourMapped)).empty());
    EXPECT_TRUE(load(write(header(2, 1, 1, 16) + Bytes{1, 2})).empty());
    for (const unsigned char descriptor : {0x01, 0x02, 0x04}) {
        EXPECT_TRUE(load(write(header(2, 1, 1, 24, descriptor) + Bytes{1, 2, 3})).empty());
    }
}

TEST_F(TGATest, EmptyImagesAreRefused) {
    EXPECT_TRUE(load(write(header(3, 0, 1, 8) + Bytes{1})).empty());
    EXPECT_TRUE(load(write(header(10, 1, 0, 24) + Bytes{0x80, 1, 2, 3})).empty());
}

TEST_F(TGATest, ShortAndMissingFilesAreRefused) {
    const Bytes rawFile = header(2, 2, 1, 24) + Bytes{1, 2, 3, 4, 5, 6};
    const Bytes rleFile = header(10, 2, 1, 24) + Bytes{0x01, 1, 2, 3, 4, 5, 6};
    for (const std::size_t cut : {std::size_t{10}, rawFile.size() - 1}) {
        EXPECT_TRUE(load(write(Bytes(rawFile.begin(), rawFile.end() - cut))).empty());
    }
    for (const std::size_t cut : {1, 3, 6}) {
        EXPECT_TRUE(load(write(Bytes(rleFile.begin(), rleFile.end() - cut))).empty());
    }
    Bytes longId = rawFile;
    longId[0] = 7;
    EXPECT_TRUE(load(write(longId)).empty());
    EXPECT_TRUE(load(path("missing.tga")).empty());
    unsigned int size = 0;
    unsigned char* data = nullptr;
    EXPECT_FALSE(Media::TGA::loadFromFile(nullptr, &size, &size, &size, &data));
}

TEST_F(TGATest, LyingSizesAreRefusedBeforeAllocating) {
    l_largestAllocation = 0;
    EXPECT_TRUE(load(write(header(2, 65535, 65535, 32) + Bytes{1, 2, 3})).empty());
    EXPECT_TRUE(load(write(header(10, 65535, 65535, 32) + Bytes{0xFF, 1, 2, 3, 4})).empty());
    EXPECT_LT(l_largestAllocation, 1u << 20);
}

TEST_F(TGATest, SavedFileHoldsTheHeaderAndLoadsBack) {
    const Bytes rgb = {1, 2, 3, 4, 5, 6};
    ASSERT_TRUE(Media::TGA::saveToFile(path("rgb.tga").c_str(), 2, 1, 24, rgb.data()));
    EXPECT_EQ(read(path("rgb.tga")), (header(2, 2, 1, 24, 0x08) + Bytes{3, 2, 1, 6, 5, 4}));
    EXPECT_EQ(load(path("rgb.tga")), rgb);

    const Bytes grey = {7, 8, 9};
    ASSERT_TRUE(Media::TGA::saveToFile(path("grey.tga").c_str(), 1, 3, 8, grey.data()));
    EXPECT_EQ(read(path("grey.tga")), header(3, 1, 3, 8, 0x08) + grey);

    const Bytes rgba = {1, 2, 3, 4};
    ASSERT_TRUE(Media::TGA::saveToFile(path("rgba.tga").c_str(), 1, 1, 32, rgba.data()));
    EXPECT_EQ(load(path("rgba.tga")), rgba);
}

TEST_F(TGATest, RefusedSaveLeavesTheFileAlone) {
    const Bytes before = {42};
    const std::string file = write(before);
    const unsigned char pixel[4] = {};
    EXPECT_FALSE(Media::TGA::saveToFile(file.c_str(), 1, 1, 16, pixel));
    EXPECT_FALSE(Media::TGA::saveToFile(file.c_str(), 1, 1, 24, nullptr));
    EXPECT_FALSE(Media::TGA::saveToFile(file.c_str(), 0, 1, 24, pixel));
    EXPECT_FALSE(Media::TGA::saveToFile(file.c_str(), 1, 0, 24, pixel));
    EXPECT_FALSE(Media::TGA::saveToFile(file.c_str(), 65536, 1, 8, pixel));
    EXPECT_FALSE(Media::TGA::saveToFile(file.c_str(), 1, 65536, 8, pixel));
    EXPECT_EQ(read(file), before);
    EXPECT_FALSE(Media::TGA::saveToFile(nullptr, 1, 1, 24, pixel));
    EXPECT_FALSE(Media::TGA::saveToFile(path("no/such/folder.tga").c_str(), 1, 1, 24, pixel));
}

TEST_F(TGATest, RGBtoRGBAAddsOpaqueAlpha) {
    const Bytes rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    unsigned char* const rgba = Media::TGA::RGBtoRGBA(rgb.data(), 2, 2);
    EXPECT_EQ(Bytes(rgba, rgba + 16),
              (Bytes{1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255, 10, 11, 12, 255}));
    delete[] rgba;
}

} // namespace
