#include "TestTexture.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

TestTexture::TestTexture(int width, int height, int depth)
    : m_target(depth > 1 ? GL_TEXTURE_3D : GL_TEXTURE_2D), m_width(width), m_height(height),
      m_depth(depth) {
    glGenTextures(1, &m_id);
    glBindTexture(m_target, m_id);
    glTexParameteri(m_target, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(m_target, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    const std::vector<unsigned char> black(getImageSize(true), 0);
    if (m_target == GL_TEXTURE_3D) {
        glTexImage3D(m_target, 0, GL_RGBA8, width, height, depth, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     black.data());
    } else {
        glTexImage2D(m_target, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     black.data());
    }
    glBindTexture(m_target, 0);
}

TestTexture::~TestTexture() {
    glDeleteTextures(1, &m_id);
}

void TestTexture::getSize(int& width, int& height, int& depth) const {
    ++m_sizeQueries;
    width = m_width;
    height = m_height;
    depth = m_depth;
}

void TestTexture::beginUsing(int unit) const {
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(m_target, m_id);
}

void TestTexture::endUsing(int unit) const {
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(m_target, 0);
    glActiveTexture(GL_TEXTURE0);
}

void TestTexture::update(unsigned char* data, int x, int y, int width, int height, bool alpha) {
    glTexSubImage2D(m_target, 0, x, y, width, height, alpha ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE,
                    data);
}

const MatSys::TextureOptions& TestTexture::getOptions() const {
    ADD_FAILURE() << "render buffers never ask for texture options";
    std::abort();
}

void TestTexture::setOptions(const MatSys::TextureOptions&) {
    ADD_FAILURE() << "render buffers never set texture options";
}

unsigned int TestTexture::getImageSize(bool alpha) const {
    return (alpha ? 4 : 3) * m_width * m_height * m_depth;
}

void TestTexture::getImage(unsigned char* data, bool alpha) const {
    beginUsing(0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(m_target, 0, alpha ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE, data);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    endUsing(0);
}

unsigned int TestTexture::texel(int x, int y, int layer) const {
    std::vector<unsigned char> image(getImageSize(true));
    getImage(image.data(), true);
    const unsigned char* p = &image[4 * ((layer * m_height + y) * m_width + x)];
    return static_cast<unsigned int>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}
