#pragma once

#include "Render/OGL/VertexArray.h"
#include "Support/MatSysFakes.h"

#include <string>
#include <vector>

// For the sprite system and the sprite font: a texture of a given size, its maker, and the
// client-memory vertex array, which never touch GL and count how often they are bound.
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
struct FakeVertexArray : OGL::VertexArray {
    explicit FakeVertexArray(int size) : VertexArray(size) {
        putData(std::vector<unsigned char>(static_cast<std::size_t>(size), 0xEE).data(), size, 0);
    }
    void beginUsing() const override { ++bound; }
    void endUsing() const override { --bound; }
    // The nine floats of vertex v: x, y, z, u, v, r, g, b, a.
    std::vector<float> vertex(int v) const {
        std::vector<float> out(9);
        getData(out.data(), 36, v * 36);
        return out;
    }
    mutable int bound = 0;
};

} // namespace KessokTest
