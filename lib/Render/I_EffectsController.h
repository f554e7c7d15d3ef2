#pragma once

#include "Util/RGBA.h"

namespace Render {

// Switches of fixed-function drawing state and the stencil clipping built on them. Nothing
// is remembered: the caller pairs every switch on with its switch off.
class I_EffectsController {
public:
    virtual ~I_EffectsController() = default;

    // Clears the colour and depth buffers, not the stencil buffer.
    virtual void doClear(const Util::RGBA& c) = 0;
    virtual void setColor(const Util::RGBA& c) = 0;
    virtual void setCulling(bool on) = 0;
    // Alpha blending together with the alpha test.
    virtual void setBlending(bool on) = 0;
    virtual void setDepthTest(bool on) = 0;
    virtual void setDepthMask(bool on) = 0;
    virtual void setColorMask(bool all) = 0;
    virtual void setColorMask(bool r, bool g, bool b, bool a) = 0;
    virtual void setAlphaTest(bool on) = 0;
    // Fragments pass whose alpha is greater (or, with greater false, less) than ref.
    virtual void setAlphaFunc(float ref, bool greater) = 0;
    virtual void setFog(bool on) = 0;
    // Linear fog from and to the given percentages of the view's far distance.
    virtual void setFogParams(float startPercent, float endPercent, const Util::RGBA& c) = 0;
    // What is drawn from now on counts, per pixel, in the stencil buffer instead of showing.
    virtual void beginClipDraw(bool clear) = 0;
    virtual void endClipDraw() = 0;
    // Limits drawing to pixels whose clip count equals ref; a negative ref limits it to
    // pixels whose count differs from ~ref (-1: covered by at least one clip shape).
    virtual void setClipping(bool on, int ref) = 0;
};

} // namespace Render
