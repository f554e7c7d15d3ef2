#include "Render/OGL/RenderBuffer.h"

#include "MatSys/I_Texture.h"
#include "OGL/Extensions.h"
#include "Util/Abort.h"

#include <GL/glew.h>

namespace OGL {

namespace {

struct Kind {
    GLenum target;
    GLenum storage;
};

// Indexed by RBType - 1.
constexpr Kind KINDS[] = {
    {GL_FRAMEBUFFER, GL_RGB},
    {GL_FRAMEBUFFER, GL_RGBA},
    {GL_FRAMEBUFFER, GL_DEPTH_STENCIL_EXT},
    {GL_READ_FRAMEBUFFER, GL_RGB},
    {GL_READ_FRAMEBUFFER, GL_RGBA},
    {GL_READ_FRAMEBUFFER, GL_DEPTH_STENCIL_EXT},
    {GL_DRAW_FRAMEBUFFER, GL_RGB},
    {GL_DRAW_FRAMEBUFFER, GL_RGBA},
    {GL_DRAW_FRAMEBUFFER, GL_DEPTH_STENCIL_EXT},
};

constexpr int KIND_COUNT = sizeof(KINDS) / sizeof(KINDS[0]);

} // namespace

int RenderBuffer::s_maxSize = -1;

RenderBuffer::RenderBuffer(int width, int height, Render::I_RenderBuffer::RBType type,
                           MatSys::I_Texture* texture, int layer)
    : m_width(width), m_height(height), m_textureId(texture != nullptr ? texture->getID() : 0),
      m_layer(layer) {
    if (!framebuffersAvailable()) {
        invalidate();
        return;
    }
    const int maxSize = getMaxSize();
    if (width < 1 || height < 1 || width > maxSize || height > maxSize || type < 1 ||
        type > KIND_COUNT) {
        invalidate();
        return;
    }
    const Kind kind = KINDS[type - 1];
    if (texture != nullptr && kind.storage != GL_DEPTH_STENCIL_EXT) {
        UTIL_ABORT("Must used RBUF_?_TEX for RenderBuffer with texture");
    }
    m_target = kind.target;
    glGenFramebuffers(1, &m_framebuffer);
    glBindFramebuffer(m_target, m_framebuffer);
    glGenRenderbuffers(1, &m_renderbuffer);
    glBindRenderbuffer(GL_RENDERBUFFER, m_renderbuffer);
    glRenderbufferStorage(GL_RENDERBUFFER, kind.storage, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    // Depth-stencil storage serves as the depth and stencil of whatever colour is drawn, so
    // it takes that attachment, never the colour one.
    const GLenum attachment =
        kind.storage == GL_DEPTH_STENCIL_EXT ? GL_DEPTH_STENCIL_ATTACHMENT : GL_COLOR_ATTACHMENT0;
    glFramebufferRenderbuffer(m_target, attachment, GL_RENDERBUFFER, m_renderbuffer);
    if (texture != nullptr) {
        attachTexture(texture, layer);
    }
    if (glCheckFramebufferStatus(m_target) != GL_FRAMEBUFFER_COMPLETE_EXT) {
        invalidate();
    }
    glBindFramebuffer(m_target, 0);
}

RenderBuffer::~RenderBuffer() {
    if (m_renderbuffer != 0) {
        glDeleteRenderbuffers(1, &m_renderbuffer);
    }
    if (m_framebuffer != 0) {
        glDeleteFramebuffers(1, &m_framebuffer);
    }
}

bool RenderBuffer::isValid() const {
    return m_width != 0 && m_height != 0;
}

void RenderBuffer::beginUsing(MatSys::I_Texture* texture, int layer) {
    glBindFramebuffer(m_target, m_framebuffer);
    if (texture != nullptr && (texture->getID() != m_textureId || layer != m_layer)) {
        attachTexture(texture, layer);
    }
}

void RenderBuffer::endUsing() {
    glBindFramebuffer(m_target, 0);
}

int RenderBuffer::getMaxSize() {
    if (s_maxSize < 0) {
        GLint size = 0;
        glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE_EXT, &size);
        s_maxSize = size;
    }
    return s_maxSize;
}

void RenderBuffer::invalidate() {
    m_width = 0;
    m_height = 0;
}

void RenderBuffer::attachTexture(MatSys::I_Texture* texture, int layer) {
    m_textureId = texture->getID();
    int width = 0;
    int height = 0;
    int depth = 0;
    texture->getSize(width, height, depth);
    if (depth > 1) {
        m_layer = layer;
        glFramebufferTexture3D(m_target, GL_COLOR_ATTACHMENT0, GL_TEXTURE_3D, m_textureId, 0,
                               layer);
    } else {
        glFramebufferTexture2D(m_target, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, m_textureId, 0);
    }
}

} // namespace OGL
