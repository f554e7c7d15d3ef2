#include "Render/OGL/AttributeArray.h"

#include <utility>

namespace OGL {

AttributeArray::AttributeArray(std::unique_ptr<VertexArray> wrapped)
    : m_wrapped(std::move(wrapped)) {}

AttributeArray::~AttributeArray() = default;

int AttributeArray::getBufferSize() const {
    return m_wrapped->getBufferSize();
}

void AttributeArray::defineVertexInfo(int count, DataType type) {
    m_wrapped->defineVertexInfo(count, type);
}

void AttributeArray::defineTextureInfo(int count, DataType type) {
    m_wrapped->defineTextureInfo(count, type);
}

void AttributeArray::defineColorInfo(int count, DataType type) {
    m_wrapped->defineColorInfo(count, type);
}

void AttributeArray::defineAttrInfo(int count, DataType type) {
    m_wrapped->defineAttrInfo(count, type);
}

void AttributeArray::defineAttrInfo(int index, int count, DataType type) {
    m_wrapped->defineAttrInfo(index, count, type);
}

void AttributeArray::setUseVertexInfoAsTextureInfo(bool use) {
    m_wrapped->setUseVertexInfoAsTextureInfo(use);
}

void AttributeArray::getVertices(float* dst, int count, int offset) const {
    m_wrapped->getVertices(dst, count, offset);
}

void AttributeArray::putVertices(const float* src, int count, int offset) {
    m_wrapped->putVertices(src, count, offset);
}

void AttributeArray::getData(void* dst, int size, int offset) const {
    m_wrapped->getData(dst, size, offset);
}

void AttributeArray::putData(const void* src, int size, int offset) {
    m_wrapped->putData(src, size, offset);
}

void AttributeArray::beginUsing() const {
    m_wrapped->beginUsingAttributes();
}

void AttributeArray::endUsing() const {
    m_wrapped->endUsingAttributes();
}

} // namespace OGL
