#include "Game/LogicController.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// Returns the exit codes it is given, one per update (then ""), writes its calls to a shared
// log and runs its action on entering and on every update.
class ScriptedState : public Game::I_LogicState {
public:
    ScriptedState(std::string name, Log& log) : m_name(std::move(name)), m_log(log) {}
    ~ScriptedState() override { m_log.push_back(m_name + " deleted"); }

    void setPause(const bool paused) override {
        m_log.push_back(m_name + (paused ? " paused" : " resumed"));
    }
    void onEnter(const std::string& previousState, const std::string& exitCode) override {
        run();
        m_log.push_back(m_name + " entered from '" + previousState + "' by '" + exitCode + "'");
    }
    std::string onUpdate(float) override {
        m_log.push_back(m_name + " updated");
        run();
        const std::string code = codes.empty() ? "" : codes.front();
        if (!codes.empty()) {
            codes.pop_front();
        }
        return code;
    }
    void doExit(const std::string&) override {}

    std::deque<std::string> codes;
    std::function<void()> action;

private:
    void run() {
        if (action) {
            action();
        }
    }

    const std::string m_name;
    Log& m_log;
};

TEST(LogicControllerTest, ExitCodesSwitchByPrefixThenByStarWithTheCodeAsItThenStands) {
    Log log;
    Game::LogicController controller;
    auto* const running = new ScriptedState("RUNNING", log);
    auto* const title = new ScriptedState("TITLE", log);
    controller.add("RUNNING", running, {{"NEXTLEVEL", "RUNNING"}, {"*", "TITLE"}});
    controller.add("TITLE", title, {{"*", "RUNNING"}});
    running->codes = {"", "NEXTLEVEL", "NEXTLEVEL_2", "DEAD"};
    title->codes = {"START"};
    controller.setPause(true);
    for (int frame = 0; frame < 6; ++frame) {
        controller.onUpdate(16.0f);
    }
    controller.setPause(false);
    EXPECT_EQ(log,
              (Log{"RUNNING entered from '' by ''", "RUNNING updated", "RUNNING updated",
                   "RUNNING entered from 'RUNNING' by 'NEXTLEVEL'", "RUNNING updated",
                   "RUNNING entered from 'RUNNING' by 'NEXTLEVEL_2'", "RUNNING updated",
                   "TITLE entered from 'RUNNING' by '*'", "TITLE updated",
                   "RUNNING entered from 'TITLE' by '*'", "RUNNING updated", "RUNNING resumed"}));
    EXPECT_EQ(controller.getState("TITLE"), title);
    EXPECT_EQ(controller.getState("title"), nullptr);
}

TEST(LogicControllerTest, UnmatchedCodeOrUnknownTargetFallsToTheNextStateWrappingAround) {
    Log log;
    Game::LogicController controller;
    auto* const a = new ScriptedState("A", log);
    auto* const b = new ScriptedState("B", log);
    auto* const c = new ScriptedState("C", log);
    controller.add("A", a, {{"Y", "C"}});
    controller.add("B", b, {{"GO", "NOWHERE"}});
    controller.add("C", c, {});
    a->codes = {"X"};
    b->codes = {"GO"};
    c->codes = {"ANY"};
    for (int frame = 0; frame < 4; ++frame) {
        controller.onUpdate(16.0f);
    }
    EXPECT_EQ(log, (Log{"A entered from '' by ''", "A updated", "B entered from 'A' by '*'",
                        "B updated", "C entered from 'B' by 'GO'", "C updated",
                        "A entered from 'C' by '*'", "A updated"}));
}

TEST(LogicControllerTest, NullStateAndStateRegisteredTwiceAreRefusedWhileNamesMayRepeat) {
    Log log;
    Game::LogicController controller;
    auto* const first = new ScriptedState("A", log);
    auto* const second = new ScriptedState("A 2", log);
    EXPECT_FALSE(controller.add("NULL", nullptr, {}));
    EXPECT_TRUE(controller.add("A", first, {}));
    EXPECT_FALSE(controller.add("AGAIN", first, {}));
    EXPECT_TRUE(controller.add("A", second, {}));
    EXPECT_EQ(controller.getState("AGAIN"), nullptr);
    EXPECT_EQ(controller.getState("A"), first);
}

TEST(LogicControllerTest, StatesRegisteredFromInsideUpdateAndEnterLeaveTheCurrentOneValid) {
    Log log;
    Game::LogicController controller;
    auto* const a = new ScriptedState("A", log);
    auto* const b = new ScriptedState("B", log);
    controller.add("A", a, {{"NEXT", "B"}});
    controller.add("B", b, {});
    a->action = b->action = [&] {
        for (int i = 0; i < 32; ++i) {
            controller.add("EXTRA", new ScriptedState("E", log), {});
        }
    };
    a->codes = {"NEXT"};
    controller.onUpdate(16.0f);
    EXPECT_EQ(log.back(), "B entered from 'A' by 'NEXT'");
}

TEST(LogicControllerTest, DestructionDeletesTheStatesLastRegisteredFirst) {
    Log log;
    {
        Game::LogicController controller;
        controller.onUpdate(16.0f);
        controller.add("A", new ScriptedState("A", log), {});
        controller.add("B", new ScriptedState("B", log), {});
    }
    EXPECT_EQ(log, (Log{"B deleted", "A deleted"}));
}

} // namespace
