#pragma once

#include "Game/I_LogicController.h"
#include "Game/I_LogicState.h"
#include "Util/NonCopyable.h"

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace Game {

// Keeps a game's named logic states, each with a transition table, updates the current one and
// switches to the next by the exit code it returns. The first state registered is entered on
// the first update.
class LogicController : public I_LogicController, private Util::NonCopyable<LogicController> {
public:
    // (exit-code prefix, target state name) pairs, tried in order; the key "*" takes the codes
    // that no prefix matched.
    using Transitions = std::vector<std::pair<std::string, std::string>>;

    // One registered state.
    struct Info {
        std::string name;
        std::unique_ptr<I_LogicState> state;
        Transitions transitions;
    };

    LogicController() = default;
    // Deletes every state, the last registered first.
    ~LogicController() override;

    // Registers the state under the name. A null state is refused (false). Names may repeat;
    // lookups find the first.
    bool add(const std::string& name, std::unique_ptr<I_LogicState> state,
             const Transitions& transitions);
    // The first state registered under exactly that name, or null.
    virtual I_LogicState* getState(const std::string& name) const;
    // Reaches the current state only; nobody before the first update.
    void setPause(bool paused) override;
    void onUpdate(float frameTime) override;

private:
    // The record the exit code leads to from the current one; the code becomes "*" when no
    // prefix matched it.
    std::size_t chooseTarget(std::string& code) const;
    // The index of the first record of the name, or the number of records.
    std::size_t findState(const std::string& name) const;

    std::vector<Info> m_states;
    int m_current = -1;
};

} // namespace Game
