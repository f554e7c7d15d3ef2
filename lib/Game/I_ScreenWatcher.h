#pragma once

namespace Game {

// Told the screen size when it is added to the game manager and on every screen-size event.
class I_ScreenWatcher {
public:
    virtual ~I_ScreenWatcher() = default;

    virtual void onScreenSize(int width, int height) = 0;
};

} // namespace Game
