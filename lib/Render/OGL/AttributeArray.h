#pragma once

#include "Render/OGL/VertexArray.h"

#include <memory>

namespace OGL {

// A vertex array whose slots are bound as numbered generic vertex attributes (slot i as
// attribute i) for shader programs. Owns the array it wraps.
class AttributeArray : public Render::I_VertexArray {
public:
    explicit AttributeArray(std::unique_ptr<VertexArray> wrapped);
    ~AttributeArray() override;

    int getBufferSize() const override;
    void defineVertexInfo(int count, DataType type) override;
    void defineTextureInfo(int count, DataType type) override;
    void defineColorInfo(int count, DataType type) override;
    void defineAttrInfo(int count, DataType type) override;
    void defineAttrInfo(int index, int count, DataType type) override;
    void setUseVertexInfoAsTextureInfo(bool use) override;
    void getVertices(float* dst, int count, int offset) const override;
    void putVertices(const float* src, int count, int offset) override;
    void getData(void* dst, int size, int offset) const override;
    void putData(const void* src, int size, int offset) override;
    void beginUsing() const override;
    void endUsing() const override;

private:
    std::unique_ptr<VertexArray> m_wrapped;
};

} // namespace OGL
