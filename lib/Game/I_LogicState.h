#pragma once

#include <string>

namespace Game {

// One named stage of a game's logic (title screen, play, ...). The current state is updated
// every frame and ends itself by returning an exit code.
class I_LogicState {
public:
    virtual ~I_LogicState() = default;

    virtual void setPause(bool paused) = 0;
    // The state becomes current, after the named state ended with the exit code ("*" when no
    // transition took the code as it was).
    virtual void onEnter(const std::string& previousState, const std::string& exitCode) = 0;
    // One frame of logic (milliseconds); returns the exit code, empty to stay current.
    virtual std::string onUpdate(float frameTime) = 0;
    // Ends the state's work; for the states' own use, never called by the controller.
    virtual void doExit(const std::string& exitCode) = 0;
};

} // namespace Game
