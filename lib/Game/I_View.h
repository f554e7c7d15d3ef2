#pragma once

#include "EVT/I_Event.h"
#include "Game/ViewBox.h"

namespace Game {

// One layer of what is shown: told the screen size, updated every frame, drawn every drawn
// frame and offered input, from the top layer down.
class I_View {
public:
    virtual ~I_View() = default;

    virtual void setPause(bool paused) = 0;
    // The window's size in pixels.
    virtual void setScreenSize(int width, int height) = 0;
    // Before the frame's logic update (milliseconds).
    virtual void preUpdate(float frameTime) = 0;
    // After the frame's logic update (milliseconds).
    virtual void onUpdate(float frameTime) = 0;
    virtual void onRender() = 0;
    // Returns the event to offer to the views below, normally the same one, or null to
    // consume it.
    virtual EVT::I_Event* onInput(EVT::I_Event* event) = 0;
    virtual ViewBox getViewBox() const = 0;
};

} // namespace Game
