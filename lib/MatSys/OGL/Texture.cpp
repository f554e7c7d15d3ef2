#include "MatSys/OGL/Texture.h"

#include "OGL/GLErrors.h"

#include <GL/glew.h>

#include <algorithm>

namespace MatSys::OGL {

namespace {

GLenum formatFor(const unsigned int bpp) {
    switch (bpp) {
    case 32:
        return GL_RGBA;
    case 64:
        return GL_RGBA32F_ARB;
    case 24:
        return GL_RGB;
    default:
        return GL_ALPHA;
    }
}

void setFilter(const GLenum target, const bool linear) {
    const GLint filter = linear ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(target, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(target, GL_TEXTURE_MIN_FILTER, filter);
}

// Rows of 8- and 24-bit pixels are not padded to four bytes: with GL's default alignment an
// odd width would read and write past the caller's buffer.
void useByteAlignment() {
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
}

GLenum textureUnit(const int unit) {
    return static_cast<GLenum>(GL_TEXTURE0 + unit);
}

GLsizei glSize(const unsigned int size) {
    return static_cast<GLsizei>(size);
}

} // namespace

Texture::Texture(const unsigned char* const data, const unsigned int bpp, const unsigned int width,
                 const unsigned int height, const unsigned int depth,
                 const MatSys::TextureOptions& options)
    : m_width(width), m_height(height), m_depth(depth),
      m_target(depth < 2 ? GL_TEXTURE_2D : GL_TEXTURE_3D), m_format(formatFor(bpp)),
      m_options(options) {
    setUp(data);
}

Texture::~Texture() {
    if (m_id != 0) {
        glDeleteTextures(1, &m_id);
        m_id = 0;
    }
}

void Texture::setUp(const unsigned char* const data) {
    ::OGL::discardErrors();
    glGenTextures(1, &m_id);
    glBindTexture(m_target, m_id);
    setFilter(m_target, m_options.linear);
    glTexParameteri(m_target, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(m_target, GL_TEXTURE_WRAP_T, GL_REPEAT);
    if (m_target == GL_TEXTURE_3D) {
        glTexParameteri(m_target, GL_TEXTURE_WRAP_R, GL_REPEAT);
    } else if (m_options.mipmaps) {
        glTexParameteri(m_target, GL_GENERATE_MIPMAP, GL_TRUE);
    }
    upload(data);
    if (glGetError() != GL_NO_ERROR) {
        ::OGL::discardErrors();
        glDeleteTextures(1, &m_id);
        m_id = 0;
    }
}

void Texture::upload(const unsigned char* const data) const {
    useByteAlignment();
    const GLenum format = m_format == GL_RGBA32F_ARB ? GL_RGBA : m_format;
    const auto internal = static_cast<GLint>(internalFormat());
    if (m_target == GL_TEXTURE_3D) {
        glTexImage3D(m_target, 0, internal, glSize(m_width), glSize(m_height), glSize(m_depth), 0,
                     format, pixelType(), data);
    } else {
        glTexImage2D(m_target, 0, internal, glSize(m_width), glSize(m_height), 0, format,
                     pixelType(), data);
    }
}

unsigned int Texture::internalFormat() const {
    if (m_format == GL_RGBA32F_ARB) {
        return GL_RGBA32F_ARB;
    }
    if (m_target == GL_TEXTURE_3D) {
        return GL_RGBA;
    }
    if (m_format == GL_ALPHA) {
        return GL_ALPHA8;
    }
    return m_options.compressed ? GL_COMPRESSED_RGBA : GL_RGBA;
}

unsigned int Texture::pixelType() const {
    return m_format == GL_RGBA32F_ARB ? GL_FLOAT : GL_UNSIGNED_BYTE;
}

const unsigned int& Texture::getID() const {
    return m_id;
}

void Texture::getSize(int& width, int& height, int& depth) const {
    width = static_cast<int>(m_width);
    height = static_cast<int>(m_height);
    depth = static_cast<int>(m_depth);
}

unsigned int Texture::getType() const {
    return m_target;
}

void Texture::beginUsing(const int unit) const {
    glActiveTexture(textureUnit(unit));
    glClientActiveTexture(textureUnit(unit));
    glBindTexture(m_target, m_id);
    glEnable(m_target);
}

void Texture::endUsing(const int unit) const {
    glActiveTexture(textureUnit(unit));
    glClientActiveTexture(textureUnit(unit));
    glDisable(m_target);
    glActiveTexture(GL_TEXTURE0);
    glClientActiveTexture(GL_TEXTURE0);
}

void Texture::update(unsigned char* const data, const int x, const int y, const int width,
                     const int height, const bool alpha) {
    useByteAlignment();
    const bool alphaOnly = m_format == GL_ALPHA;
    const GLenum format = alphaOnly ? GL_ALPHA : alpha ? GL_RGBA : GL_RGB;
    const GLenum type = alphaOnly ? GL_UNSIGNED_BYTE : pixelType();
    if (m_target == GL_TEXTURE_3D) {
        glTexSubImage3D(m_target, 0, x, y, 0, width, height, glSize(m_depth), format, type, data);
    } else {
        glTexSubImage2D(m_target, 0, x, y, width, height, format, type, data);
    }
}

void Texture::update(const unsigned char* const data) {
    glBindTexture(m_target, m_id);
    upload(data);
}

const MatSys::TextureOptions& Texture::getOptions() const {
    return m_options;
}

void Texture::setOptions(const MatSys::TextureOptions& options) {
    m_options = options;
    setFilter(m_target, m_options.linear);
}

unsigned int Texture::getImageSize(const bool alpha) const {
    return (alpha ? 4u : 3u) * m_width * m_height * std::max(m_depth, 1u);
}

void Texture::getImage(unsigned char* const data, const bool alpha) const {
    useByteAlignment();
    glBindTexture(m_target, m_id);
    glGetTexImage(m_target, 0, alpha ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE, data);
}

} // namespace MatSys::OGL
