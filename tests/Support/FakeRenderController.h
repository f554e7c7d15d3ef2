#pragma once

#include "Render/I_RenderController.h"

#include <vector>

namespace KessokTest {

// A render controller that draws nothing: it counts its initialisations and records the view
// records, cameras and draw calls it is given.
class FakeRenderController : public Render::I_RenderController {
public:
    void init() override { ++initialised; }

    int getAbility(int) const override { return 0; }
    void setAbility(int, int) override {}
    Render::I_VertexArray* createVTCArray(int, bool) override { return nullptr; }
    Render::I_VertexArray* createVertexArray(int, bool) override { return nullptr; }
    Render::I_VertexArray* createTexturedQuadVA(const Render::TexturedQuad&, bool) override {
        return nullptr;
    }
    Render::I_VertexArray* createTexturedQuadVA(const Render::TexturedQuadZTx&, bool) override {
        return nullptr;
    }
    Render::I_VertexArray* createAttrArray(int, bool) override { return nullptr; }
    Render::I_VertexArray* createSpriteShaderArray(int, bool) override { return nullptr; }
    Render::I_RenderBuffer* createRenderBuffer(int, int, Render::I_RenderBuffer::RBType,
                                               MatSys::I_Texture*, int) override {
        return nullptr;
    }
    Render::I_PixelBuffer* createPixelBuffer(int, Render::BufferDataType) override {
        return nullptr;
    }
    void doClear(const Util::RGBA&) override {}
    void setColor(const Util::RGBA&) override {}
    void setCulling(bool) override {}
    void setBlending(bool) override {}
    void setDepthTest(bool) override {}
    void setDepthMask(bool) override {}
    void setColorMask(bool) override {}
    void setColorMask(bool, bool, bool, bool) override {}
    void setAlphaTest(bool) override {}
    void setAlphaFunc(float, bool) override {}
    void setFog(bool) override {}
    void setFogParams(float, float, const Util::RGBA&) override {}
    void beginClipDraw(bool) override {}
    void endClipDraw() override {}
    void setClipping(bool, int) override {}
    void pushViewData() override {}
    void popViewData() override {}
    void setViewData(const Render::ViewData& data) override {
        m_viewData = data;
        ++viewDataSets;
    }
    const Render::ViewData& getViewData() const override { return m_viewData; }
    void pushCamera() override {}
    void popCamera() override {}
    void setCamera(const MathStuff::Orientation<float>& camera) override { m_camera = camera; }
    const MathStuff::Orientation<float>& getCamera() const override { return m_camera; }
    MathStuff::Vector3<float> projectPoint(MathStuff::Vector3<float> p) const override { return p; }
    MathStuff::Vector3<float> getPickRay(int, int) const override { return {}; }
    void blit(int, int, int, int, int, int, int, int) override {}
    void drawArrays(Render::RenderType type, int first, unsigned int count) override {
        draws.push_back({type, first, count});
    }
    void drawElements(Render::RenderType, unsigned int, unsigned int*) override {}
    Render::I_RenderQueue* getRenderQueue() override { return nullptr; }
    void copyScreen(unsigned char*, int, int, int, int) override {}
    void showScreen(unsigned char*, int, int, int, int) override {}

    struct Draw {
        Render::RenderType type;
        int first;
        unsigned int count;
    };

    int initialised = 0;
    int viewDataSets = 0;
    std::vector<Draw> draws;

private:
    Render::ViewData m_viewData;
    MathStuff::Orientation<float> m_camera{};
};

} // namespace KessokTest
