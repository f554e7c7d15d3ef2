#pragma once

namespace Game {

// Called on every update event, before the logic controller and the views, with the frame
// time in milliseconds.
class I_GameUpdated {
public:
    virtual ~I_GameUpdated() = default;

    virtual void onGameUpdated(const float& frameTime) = 0;
};

} // namespace Game
