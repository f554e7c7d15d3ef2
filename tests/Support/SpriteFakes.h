#pragma once

#include "Render/I_VertexArray.h"
#include "Support/MatSysFakes.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

// For the sprite system and the sprite font: a texture of a given size, its maker, and a
// vertex array in plain memory, which never touch GL and count how often they are bound.
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

// Its bytes start as 0xEE, so that a vertex never written reads as no sensible number. Only
// binding reads a layout, so the layout is not kept. A transfer reaching outside the array
// throws, where the OpenGL arrays ignore it, so that a test sees the code that asked for it.
class FakeVertexArray : public Render::I_VertexArray {
public:
    explicit FakeVertexArray(int size)
        : m_bytes(static_cast<std::size_t>(std::max(size, 0)), 0xEE) {}

    int getBufferSize() const override { return static_cast<int>(m_bytes.size()); }
    void defineVertexInfo(int, DataType) override {}
    void defineTextureInfo(int, DataType) override {}
    void defineColorInfo(int, DataType) override {}
    void defineAttrInfo(int, DataType) override {}
    void defineAttrInfo(int, int, DataType) override {}
    void setUseVertexInfoAsTextureInfo(bool) override {}
    void getVertices(float* const dst, const int count, const int offset) const override {
        copyOut(dst, VERTEX_BYTES * count, offset);
    }
    void putVertices(const float* const src, const int count, const int offset) override {
        copyIn(src, VERTEX_BYTES * count, offset);
    }
    void getData(void* const dst, const int size, const int offset) const override {
        copyOut(dst, size, offset);
    }
    void putData(const void* const src, const int size, const int offset) override {
        copyIn(src, size, offset);
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

private:
    // Three floats a vertex, whatever the layout.
    static constexpr long long VERTEX_BYTES = 3 * sizeof(float);

    void copyOut(void* const dst, const long long size, const int offset) const {
        std::memcpy(dst, m_bytes.data() + start(size, offset), static_cast<std::size_t>(size));
    }
    void copyIn(const void* const src, const long long size, const int offset) {
        std::memcpy(m_bytes.data() + start(size, offset), src, static_cast<std::size_t>(size));
    }
    // The offset of a transfer of size bytes, once it is known to lie inside the array.
    std::size_t start(const long long size, const int offset) const {
        if (offset < 0 || size < 0 || offset + size > static_cast<long long>(m_bytes.size())) {
            throw std::out_of_range("vertex array transfer of " + std::to_string(size) +
                                    " bytes at " + std::to_string(offset) + " outside " +
                                    std::to_string(m_bytes.size()));
        }
        return static_cast<std::size_t>(offset);
    }

    std::vector<unsigned char> m_bytes;
};

} // namespace KessokTest
