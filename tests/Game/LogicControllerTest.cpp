#include "Game/LogicController.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// Returns the exit codes it is given, one per update (then ""). Logs "NAME" for an update,
// "NAME(previous,code)" for entering, its pause and its deletion; runs its action on entering
// and on every update.
class ScriptedState : public Game::I_LogicState {
public:
    ScriptedState(std::string name, Log& log, std::deque<std::string> codes = {})
        : m_name(std::move(name)), m_log(log), m_codes(std::move(codes)) {}
    ~ScriptedState() override { m_log.push_back(m_name + " deleted"); }

    void setPause(const bool paused) override {
        m_log.push_back(m_name + (paused ? " paused" : " resumed"));
    }
    void onEnter(const std::string& previousState, const std::string& exitCode) override {
        run();
        m_log.push_back(m_name + "(" + previousState + "," + exitCode + ")");
    }
    std::string onUpdate(float) override {
        m_log.push_back(m_name);
        run();
        m_codes.emplace_back();
        const std::string code = m_codes.front();
        m_codes.pop_front();
        return code;
    }
    void doExit(const std::string&) override {}

    std::function<void()> action;

private:
    void run() {
        if (action) {
            action();
        }
    }

    const std::string m_name;
    Log& m_log;
    std::deque<std::string> m_codes;
};

std::unique_ptr<ScriptedState> scripted(std::string name, Log& log,
                                        std::deque<std::string> codes = {}) {
    return std::make_unique<ScriptedState>(std::move(name), log, std::move(codes));
}

TEST(LogicControllerTest, ExitCodesSwitchByPrefixThenByStarWithTheCodeAsItThenStands) {
    Log log;
    Game::LogicController controller;
    auto title = scripted("TITLE", log, {"START"});
    const Game::I_LogicState* const titleState = title.get();
    controller.add("RUNNING", scripted("RUNNING", log, {"", "NEXTLEVEL", "NEXTLEVEL_2", "DEAD"}),
                   {{"NEXTLEVEL", "RUNNING"}, {"*", "TITLE"}});
    controller.add("TITLE", std::move(title), {{"*", "RUNNING"}});
    controller.setPause(true);
    for (int frame = 0; frame < 6; ++frame) {
        controller.onUpdate(16.0f);
    }
    controller.setPause(false);
    EXPECT_EQ(log, (Log{"RUNNING(,)", "RUNNING", "RUNNING", "RUNNING(RUNNING,NEXTLEVEL)", "RUNNING",
                        "RUNNING(RUNNING,NEXTLEVEL_2)", "RUNNING", "TITLE(RUNNING,*)", "TITLE",
                        "RUNNING(TITLE,*)", "RUNNING", "RUNNING resumed"}));
    EXPECT_EQ(controller.getState("TITLE"), titleState);
    EXPECT_EQ(controller.getState("title"), nullptr);
}

TEST(LogicControllerTest, UnmatchedCodeOrUnknownTargetFallsToTheNextStateWrappingAround) {
    Log log;
    Game::LogicController controller;
    controller.onUpdate(16.0f);
    controller.add("A", scripted("A", log, {"X"}), {{"Y", "C"}});
    controller.add("B", scripted("B", log, {"GO"}), {{"GO", "NOWHERE"}});
    controller.add("C", scripted("C", log, {"ANY"}), {});
    for (int frame = 0; frame < 4; ++frame) {
        controller.onUpdate(16.0f);
    }
    EXPECT_EQ(log, (Log{"A(,)", "A", "B(A,*)", "B", "C(B,GO)", "C", "A(C,*)", "A"}));
}

TEST(LogicControllerTest, NullStateIsRefusedAndStatesAreDeletedLastFirst) {
    Log log;
    {
        Game::LogicController controller;
        EXPECT_FALSE(controller.add("NULL", nullptr, {}));
        EXPECT_TRUE(controller.add("A", scripted("A", log), {}));
        EXPECT_TRUE(controller.add("A", scripted("A2", log), {}));
        EXPECT_EQ(controller.getState("NULL"), nullptr);
    }
    EXPECT_EQ(log, (Log{"A2 deleted", "A deleted"}));
}

TEST(LogicControllerTest, StatesRegisteredFromInsideUpdateAndEnterLeaveTheCurrentOneValid) {
    Log log;
    Game::LogicController controller;
    auto a = scripted("A", log, {"NEXT"});
    auto b = scripted("B", log);
    a->action = b->action = [&] {
        for (int i = 0; i < 32; ++i) {
            controller.add("EXTRA", scripted("E", log), {});
        }
    };
    controller.add("A", std::move(a), {{"NEXT", "B"}});
    controller.add("B", std::move(b), {});
    controller.onUpdate(16.0f);
    EXPECT_EQ(log.back(), "B(A,NEXT)");
}

} // namespace
