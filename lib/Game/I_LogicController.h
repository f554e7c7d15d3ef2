#pragma once

namespace Game {

// What the game manager forwards of the frame cycle to a game's logic.
class I_LogicController {
public:
    virtual ~I_LogicController() = default;

    virtual void setPause(bool paused) = 0;
    // One frame of logic (milliseconds).
    virtual void onUpdate(float frameTime) = 0;
};

} // namespace Game
