#pragma once

#include "EVT/I_EventConsumer.h"
#include "Game/I_LogicState.h"

#include <string>

namespace Game {
class GameManager;
}

namespace Tool {

// The title screen's logic: the game view goes on showing the last board and the score while
// this state waits. Escape held ends the program, Space held starts a game ("START").
class TitleLogic : public Game::I_LogicState, public EVT::I_EventConsumer {
public:
    // Subscribes to the event types 2 and 22, whose events it ignores.
    explicit TitleLogic(Game::GameManager* gm);
    ~TitleLogic() override;

    void setPause(bool paused) override;
    void onEnter(const std::string& from, const std::string& code) override;
    std::string onUpdate(float dt) override;
    void doExit(const std::string& code) override;
    void handleEvent(EVT::I_Event* event) override;

private:
    std::string m_exitCode;
};

} // namespace Tool
