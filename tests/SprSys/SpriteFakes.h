#pragma once

#include "MatSys/I_Texture.h"
#include "MatSys/I_TextureMaker.h"
#include "MatSys/TextureOptions.h"
#include "Render/I_VertexArray.h"

#include <cstring>
#include <string>
#include <vector>

namespace KessokTest {

// A texture of a given size that counts its bindings left open.
class FakeTexture : public MatSys::I_Texture {
public:
    FakeTexture(int width, int height) : m_width(width), m_height(height) {}

    const unsigned int& getID() const override { return m_id; }
    void getSize(int& width, int& height, int& depth) const override {
        width = m_width;
        height = m_height;
        depth = 1;
    }
    void beginUsing(int) const override { ++bound; }
    void endUsing(int) const override { --bound; }
    void update(unsigned char*, int, int, int, int, bool) override {}
    const MatSys::TextureOptions& getOptions() const override { return m_options; }
    void setOptions(const MatSys::TextureOptions& options) override { m_options = options; }
    unsigned int getImageSize(bool) const override { return 0; }
    void getImage(unsigned char*, bool) const override {}

    mutable int bound = 0;

private:
    unsigned int m_id = 1;
    int m_width;
    int m_height;
    MatSys::TextureOptions m_options;
};

// Makes a 128 x 64 texture for every name except "missing.tga".
class FakeTextureMaker : public MatSys::I_TextureMaker {
public:
    MatSys::I_Texture* create(const std::string&, const unsigned char*, unsigned int, unsigned int,
                              unsigned int, unsigned int) override {
        return nullptr;
    }
    MatSys::I_Texture* create(const std::string& name) override {
        return name == "missing.tga" ? nullptr : new FakeTexture(128, 64);
    }
};

// A vertex array in client memory: putData and getData copy bytes, binding is counted.
class FakeVertexArray : public Render::I_VertexArray {
public:
    explicit FakeVertexArray(int size) : bytes(static_cast<std::size_t>(size), 0xEE) {}

    int getBufferSize() const override { return static_cast<int>(bytes.size()); }
    void defineVertexInfo(int, DataType) override {}
    void defineTextureInfo(int, DataType) override {}
    void defineColorInfo(int, DataType) override {}
    void defineAttrInfo(int, DataType) override {}
    void defineAttrInfo(int, int, DataType) override {}
    void setUseVertexInfoAsTextureInfo(bool) override {}
    void getVertices(float*, int, int) const override {}
    void putVertices(float const*, int, int) override {}
    void getData(void* dst, int size, int offset) const override {
        std::memcpy(dst, bytes.data() + offset, static_cast<std::size_t>(size));
    }
    void putData(void const* src, int size, int offset) override {
        std::memcpy(bytes.data() + offset, src, static_cast<std::size_t>(size));
    }
    void beginUsing() const override { ++bound; }
    void endUsing() const override { --bound; }

    // The nine floats of vertex v.
    std::vector<float> vertex(int v) const {
        std::vector<float> out(9);
        std::memcpy(out.data(), bytes.data() + v * 36, 36);
        return out;
    }

    std::vector<unsigned char> bytes;
    mutable int bound = 0;
};

} // namespace KessokTest
