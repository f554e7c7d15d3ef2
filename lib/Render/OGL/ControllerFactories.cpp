// The vertex-array, render-buffer and pixel-buffer factories of OGL::Controller.
#include "Render/OGL/Controller.h"

#include "Render/OGL/AttributeArray.h"
#include "Render/OGL/PixelBufferObject.h"
#include "Render/OGL/RenderBuffer.h"
#include "Render/OGL/VertexBufferObject.h"

#include <GL/glew.h>

namespace OGL {

namespace {

using DataType = Render::I_VertexArray::DataType;

// Declares the layout of a textured quad and fills the array with its four vertices.
template <typename Quad>
Render::I_VertexArray* fillQuad(Render::I_VertexArray* array, const Quad& quad,
                                int textureComponents) {
    if (array != nullptr) {
        array->defineVertexInfo(3, DataType::VA_FLOAT);
        array->defineTextureInfo(textureComponents, DataType::VA_FLOAT);
        array->putData(&quad, sizeof(Quad), 0);
    }
    return array;
}

void defineVTC(Render::I_VertexArray* array) {
    array->defineVertexInfo(3, DataType::VA_FLOAT);
    array->defineTextureInfo(2, DataType::VA_FLOAT);
    array->defineColorInfo(4, DataType::VA_FLOAT);
}

GLenum usageOf(Render::BufferDataType type) {
    constexpr GLenum USAGES[] = {GL_STATIC_DRAW, GL_DYNAMIC_DRAW, GL_DYNAMIC_READ, GL_DYNAMIC_COPY};
    if (type < 0) {
        return 0;
    }
    return type <= Render::BDT_DYNAMIC_COPY ? USAGES[type] : GL_DYNAMIC_READ;
}

} // namespace

std::unique_ptr<VertexArray> Controller::newVertexArray(int size, bool isStatic) const {
    if (getAbility(Render::HAVE_VBOS) != 0) {
        std::unique_ptr<VertexArray> vbo =
            std::make_unique<VertexBufferObject>(size, isStatic ? GL_STATIC_DRAW : GL_DYNAMIC_DRAW);
        if (vbo->getBufferSize() == size) {
            return vbo;
        }
    }
    // A negative size comes back as 0 and so is refused here.
    auto array = std::make_unique<VertexArray>(size);
    return array->getBufferSize() == size ? std::move(array) : nullptr;
}

Render::I_VertexArray* Controller::createVertexArray(int size, bool isStatic) {
    return newVertexArray(size, isStatic).release();
}

Render::I_VertexArray* Controller::createAttrArray(int size, bool isStatic) {
    std::unique_ptr<VertexArray> array = newVertexArray(size, isStatic);
    return array != nullptr ? new AttributeArray(std::move(array)) : nullptr;
}

Render::I_VertexArray* Controller::createVTCArray(int size, bool isStatic) {
    Render::I_VertexArray* const array = createVertexArray(size, isStatic);
    if (array != nullptr) {
        defineVTC(array);
    }
    return array;
}

Render::I_VertexArray* Controller::createSpriteShaderArray(int size, bool isStatic) {
    Render::I_VertexArray* const array = createAttrArray(size, isStatic);
    if (array != nullptr) {
        defineVTC(array);
        array->defineAttrInfo(0, 3, DataType::VA_FLOAT);
        array->defineAttrInfo(1, 3, DataType::VA_FLOAT);
        array->defineAttrInfo(2, 1, DataType::VA_FLOAT);
    }
    return array;
}

Render::I_VertexArray* Controller::createTexturedQuadVA(const Render::TexturedQuad& quad,
                                                        bool isStatic) {
    return fillQuad(createVertexArray(sizeof(quad), isStatic), quad, 2);
}

Render::I_VertexArray* Controller::createTexturedQuadVA(const Render::TexturedQuadZTx& quad,
                                                        bool isStatic) {
    return fillQuad(createVertexArray(sizeof(quad), isStatic), quad, 3);
}

Render::I_RenderBuffer* Controller::createRenderBuffer(int width, int height,
                                                       Render::I_RenderBuffer::RBType type,
                                                       MatSys::I_Texture* texture, int layer) {
    std::unique_ptr<RenderBuffer> buffer(new RenderBuffer(width, height, type, texture, layer));
    return buffer->isValid() ? buffer.release() : nullptr;
}

Render::I_PixelBuffer* Controller::createPixelBuffer(int size, Render::BufferDataType type) {
    std::unique_ptr<PixelBufferObject> buffer(new PixelBufferObject(size, usageOf(type)));
    return buffer->getBufferSize() == size ? buffer.release() : nullptr;
}

} // namespace OGL
