#include "Game/LogicController.h"

#include "Util/StringUtils.h"

#include <algorithm>
#include <utility>

namespace Game {

LogicController::~LogicController() {
    while (!m_states.empty()) {
        m_states.pop_back();
    }
}

bool LogicController::add(const std::string& name, std::unique_ptr<I_LogicState> state,
                          const Transitions& transitions) {
    if (state == nullptr) {
        return false;
    }
    m_states.push_back(Info{name, std::move(state), transitions});
    return true;
}

I_LogicState* LogicController::getState(const std::string& name) const {
    const std::size_t index = findState(name);
    return index < m_states.size() ? m_states[index].state.get() : nullptr;
}

void LogicController::setPause(const bool paused) {
    if (m_current >= 0) {
        m_states[static_cast<std::size_t>(m_current)].state->setPause(paused);
    }
}

void LogicController::onUpdate(const float frameTime) {
    if (m_states.empty()) {
        return;
    }
    if (m_current < 0) {
        m_current = 0;
        m_states.front().state->onEnter("", "");
    }
    // Records are looked up again after every call into a state: a state may register further
    // states, which can move them.
    std::string code = m_states[static_cast<std::size_t>(m_current)].state->onUpdate(frameTime);
    if (code.empty()) {
        return;
    }
    const std::size_t target = chooseTarget(code);
    const std::string previous = m_states[static_cast<std::size_t>(m_current)].name;
    m_current = static_cast<int>(target);
    m_states[target].state->onEnter(previous, code);
}

std::size_t LogicController::chooseTarget(std::string& code) const {
    const std::size_t current = static_cast<std::size_t>(m_current);
    const Transitions& table = m_states[current].transitions;
    auto transition = std::find_if(table.begin(), table.end(), [&code](const auto& pair) {
        return Util::startswith(code, pair.first);
    });
    if (transition == table.end()) {
        code = "*";
        transition = std::find_if(table.begin(), table.end(),
                                  [](const auto& pair) { return pair.first == "*"; });
    }
    if (transition != table.end()) {
        const std::size_t target = findState(transition->second);
        if (target < m_states.size()) {
            return target;
        }
    }
    return (current + 1) % m_states.size();
}

std::size_t LogicController::findState(const std::string& name) const {
    const auto found = std::find_if(m_states.begin(), m_states.end(),
                                    [&name](const Info& info) { return info.name == name; });
    return static_cast<std::size_t>(found - m_states.begin());
}

} // namespace Game
