#pragma once

#include "Render/I_RenderController.h"

#include <deque>
#include <memory>

namespace OGL {

class VertexArray;

// The render controller over OpenGL's fixed-function pipeline. It keeps the view record and
// the camera with their stacks and the forced abilities; every other state lives in GL.
class Controller : public Render::I_RenderController {
public:
    // Keeps the record as the current one without applying it; makes no GL call.
    explicit Controller(const Render::ViewData& data);
    ~Controller() override;

    int getAbility(int id) const override;
    void setAbility(int id, int value) override;

    Render::I_VertexArray* createVTCArray(int size, bool isStatic) override;
    Render::I_VertexArray* createVertexArray(int size, bool isStatic) override;
    Render::I_VertexArray* createTexturedQuadVA(const Render::TexturedQuad& quad,
                                                bool isStatic) override;
    Render::I_VertexArray* createTexturedQuadVA(const Render::TexturedQuadZTx& quad,
                                                bool isStatic) override;
    Render::I_VertexArray* createAttrArray(int size, bool isStatic) override;
    Render::I_VertexArray* createSpriteShaderArray(int size, bool isStatic) override;

    Render::I_RenderBuffer* createRenderBuffer(int width, int height,
                                               Render::I_RenderBuffer::RBType type,
                                               MatSys::I_Texture* texture, int layer) override;

    Render::I_PixelBuffer* createPixelBuffer(int size, Render::BufferDataType type) override;

    void doClear(const Util::RGBA& c) override;
    void setColor(const Util::RGBA& c) override;
    void setCulling(bool on) override;
    void setBlending(bool on) override;
    void setDepthTest(bool on) override;
    void setDepthMask(bool on) override;
    void setColorMask(bool all) override;
    void setColorMask(bool r, bool g, bool b, bool a) override;
    void setAlphaTest(bool on) override;
    void setAlphaFunc(float ref, bool greater) override;
    void setFog(bool on) override;
    void setFogParams(float startPercent, float endPercent, const Util::RGBA& c) override;
    void beginClipDraw(bool clear) override;
    void endClipDraw() override;
    void setClipping(bool on, int ref) override;

    void init() override;
    void pushViewData() override;
    void popViewData() override;
    // A perspective record whose height is 0 or whose field of view (fov * scaleX) lies
    // outside (0, 180) leaves the projection matrix as it is.
    void setViewData(const Render::ViewData& data) override;
    const Render::ViewData& getViewData() const override;
    void pushCamera() override;
    void popCamera() override;
    void setCamera(const MathStuff::Orientation<float>& camera) override;
    const MathStuff::Orientation<float>& getCamera() const override;
    MathStuff::Vector3<float> projectPoint(MathStuff::Vector3<float> p) const override;
    MathStuff::Vector3<float> getPickRay(int x, int y) const override;
    void blit(int srcX0, int srcY0, int srcX1, int srcY1, int dstX0, int dstY0, int dstX1,
              int dstY1) override;
    void drawArrays(Render::RenderType type, int first, unsigned int count) override;
    // Null indices with no element buffer bound draw nothing.
    void drawElements(Render::RenderType type, unsigned int count, unsigned int* indices) override;
    // The queue the controller owns.
    Render::I_RenderQueue* getRenderQueue() override;
    void copyScreen(unsigned char* buffer, int x, int y, int width, int height) override;
    void showScreen(unsigned char* buffer, int x, int y, int width, int height) override;

    // Swap interval 1 when the current record's vsync is non-zero, else 0.
    virtual void setVsync();
    virtual void setViewport() const;

private:
    // Client memory or a buffer object, by the HAVE_VBOS ability; null when no array of
    // that size can be made.
    std::unique_ptr<VertexArray> newVertexArray(int size, bool isStatic) const;
    void loadPerspective() const;
    void loadOrthographic(float zNear) const;

    Render::ViewData m_viewData;
    std::deque<Render::ViewData> m_viewStack;
    std::unique_ptr<Render::I_RenderQueue> m_renderQueue;
    std::deque<MathStuff::Orientation<float>> m_cameraStack;
    MathStuff::Orientation<float> m_camera;
    bool m_overridden[Render::RENDER_ABILITY_COUNT] = {};
    int m_overrides[Render::RENDER_ABILITY_COUNT] = {};
};

} // namespace OGL
