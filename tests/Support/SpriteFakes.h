#pragma once

#include "Render/I_VertexArray.h"
#include "Support/MatSysFakes.h"

#include <cstring>
#include <string>
#include <vector>

// Fakes for the sprite system and the sprite font: a texture of a given size, its maker and
// a vertex array in client memory, each counting how often it is bound.
namespace KessokTest {

struct FakeTexture : MatSysFakes::Texture {
    FakeTexture(int textureWidth, int textureHeight)
        : Texture("fake"), width(textureWidth), height(textureHeight) {}
    void getSize(int& w, int& h, int& depth) const override {
        w = width;
        h = height;
        depth = 1;
    }
    void beginUsing(int) const override { ++bound; }
    void endUsing(int) const override { --bound; }
    int width;
    int height;
    mutable int bound = 0;
};

// Makes a 128 x 64 texture for every name except "missing.tga" and "empty.tga" (0 x 0).
struct FakeTextureMaker : MatSysFakes::TextureMaker {
    using MatSysFakes::TextureMaker::create;
    MatSys::I_Texture* create(const std::string& name) override {
        if (name == "empty.tga") {
            return new FakeTexture(0, 0);
        }
        return name == "missing.tga" ? nullptr : new FakeTexture(128, 64);
    }
};

// Its bytes start as 0xEE, so that a vertex never written reads as no sensible number.
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
    void putVertices(const float*, int, int) override {}
    void getData(void*, int, int) const override {}
    void putData(const void* src, int size, int offset) override {
        std::memcpy(bytes.data() + offset, src, static_cast<std::size_t>(size));
    }
    void beginUsing() const override { ++bound; }
    void endUsing() const override { --bound; }

    // The nine floats of vertex v: x, y, z, u, v, r, g, b, a.
    std::vector<float> vertex(int v) const {
        std::vector<float> out(9);
        std::memcpy(out.data(), bytes.data() + v * 36, 36);
        return out;
    }

    std::vector<unsigned char> bytes;
    mutable int bound = 0;
};

} // namespace KessokTest
