#include "Game/GameManager.h"
#include "EVT/EventBus.h"
#include "EVT/Event_Joypad.h"
#include "EVT/Event_PreUpdate.h"
#include "EVT/Event_Screen.h"
#include "EVT/Event_Update.h"
#include "FakeWindowApp.h"
#include "Support/AbortReport.h"
#include "Support/FakeRenderController.h"
#include "Support/Recorder.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace {

using KessokTest::FakeWindowApp;
using KessokTest::Recorder;
using Log = std::vector<std::string>;

EVT::EventBus& bus() {
    return EVT::EventBus::instance();
}

template <typename Event, typename... Args>
void raise(const Args... args) {
    Event event(args...);
    bus().raiseEvent(&event, false);
}

void frame(const float frameTime) {
    raise<EVT::Event_PreUpdate>(frameTime);
    raise<EVT::Event_Update>(frameTime);
    bus().raiseEvent(EVT::RENDER, false);
}

std::pair<float, float> scale(const Game::GameManager& manager) {
    std::pair<float, float> scale;
    manager.getScreenScale(scale.first, scale.second);
    return scale;
}

// A game manager with a logic controller "C" and a view "V" listed.
class GameManagerTest : public ::testing::Test {
protected:
    GameManagerTest() {
        manager.setLogicController(&logic);
        manager.getViewManager()->add(&view);
        manager.getViewManager()->doPendingUpdates();
        log.clear();
    }

    Log log;
    Game::GameManager manager{800, 600, 60, 0};
    Recorder logic{"C", log};
    Recorder view{"V", log};
};

TEST_F(GameManagerTest, RunStartsTheWindowThenTheLoopAndFramesReachEveryoneInOrder) {
    FakeWindowApp window(&log);
    KessokTest::FakeRenderController renderer;
    Recorder listener("L", log), timer("T", log), quit("Q", log);
    manager.setWindowApp(&window);
    manager.setRenderController(&renderer);
    manager.run();
    EXPECT_EQ(renderer.initialised, 1);
    bus().addConsumer(EVT::QUIT, &quit);
    manager.addGameUpdated(&listener);
    manager.addGameUpdated(&listener);
    timer.start(10.0f, 0.0f);
    listener.action = [this] { manager.shutdown(); };
    frame(16.0f);
    listener.action = nullptr;
    window.setClearWindow(false);
    bus().raiseEvent(EVT::RENDER, false);
    EXPECT_EQ(log,
              (Log{"initWindowApp", "run", "V preUpdate", "T fired", "L updated", "C update",
                   "V update", "Q 1", "clear 4278190208", "V render", "show", "V render", "show"}));
}

TEST_F(GameManagerTest, PauseAndInputReachViewsAndLogicButWrongClassesAndMissingServicesNot) {
    Recorder timer("T", log);
    timer.start(10.0f, 0.0f);
    for (const int type : {EVT::PAUSE, EVT::PAUSE, EVT::RESUME}) {
        bus().raiseEvent(type, false);
    }
    EXPECT_EQ(timer.isPaused(), 1);
    manager.setLogicController(nullptr);
    raise<EVT::Event_Joypad>(0, 0, 0, std::array<bool, 4>{});
    for (const int type : {EVT::MOUSE, EVT::ENTER_LEAVE, EVT::KEY, EVT::PRE_UPDATE, EVT::UPDATE,
                           EVT::SCREEN, EVT::PAUSE}) {
        bus().raiseEvent(type, false);
    }
    frame(16.0f);
    manager.resetTime();
    EXPECT_EQ(manager.getTime(), 0.0);
    EXPECT_EQ(log, (Log{"V pause", "C pause", "V pause", "C pause", "V resume", "C resume",
                        "V input", "V input", "V input", "V input", "V pause", "V preUpdate",
                        "V update", "V render"}));
}

TEST_F(GameManagerTest, SlowFramesSkipAtMostMaxSkipRendersInARowUnlessSkipOrRateIsZero) {
    Game::GameManager skipTwo(800, 600, 60, 2), noRate(800, 600, 0, 5);
    FakeWindowApp window, noSkipWindow, noRateWindow;
    skipTwo.setWindowApp(&window);
    manager.setWindowApp(&noSkipWindow);
    noRate.setWindowApp(&noRateWindow);
    std::string drawn;
    for (int i = 0; i < 6; ++i) {
        const int before = window.shown;
        frame(20.0f);
        drawn += window.shown > before ? 'D' : 's';
    }
    EXPECT_EQ(drawn, "ssDssD");
    EXPECT_EQ(noSkipWindow.shown, 6);
    EXPECT_EQ(noRateWindow.shown, 6);
    // A frame exactly as long as the interval is drawn.
    frame(1000.0f / 60.0f);
    frame(1000.0f / 60.0f);
    EXPECT_EQ(window.shown, 4);
}

TEST_F(GameManagerTest, ScreenSizeReachesViewsAndWatchersAndScalesAgainstBaseSizeOr800By600) {
    Game::GameManager wide(0, 480, 60, 0), tall(640, 0, 60, 0);
    Recorder watcher("W", log);
    EXPECT_EQ(scale(manager), std::make_pair(0.0f, 0.0f));
    manager.addScreenWatcher(&watcher);
    manager.addScreenWatcher(&watcher);
    raise<EVT::Event_Screen>(1600, 1200);
    EXPECT_EQ(scale(manager), std::make_pair(2.0f, 2.0f));
    EXPECT_EQ(scale(wide), std::make_pair(2.0f, 2.5f));
    EXPECT_EQ(scale(tall), std::make_pair(2.5f, 2.0f));
    EXPECT_EQ(log, (Log{"W size 0x0", "V size 1600x1200", "W size 1600x1200"}));
}

TEST_F(GameManagerTest, ListenersMayAddRemoveAndDestroyListenersWhileTheyAreCalled) {
    Recorder a("A", log), b("B", log), added("N", log);
    auto* const doomed = new Recorder("D", log);
    for (Recorder* const listener : {&a, &b, doomed}) {
        manager.addGameUpdated(listener);
        manager.addScreenWatcher(listener);
    }
    a.action = [&] {
        for (Recorder* const listener : {&a, &b, doomed}) {
            manager.removeGameUpdated(listener);
            manager.removeScreenWatcher(listener);
        }
        delete doomed;
        manager.addGameUpdated(&added);
        a.action = nullptr;
    };
    log.clear();
    raise<EVT::Event_Update>(16.0f);
    raise<EVT::Event_Update>(16.0f);
    raise<EVT::Event_Screen>(320, 200);
    EXPECT_EQ(log, (Log{"A updated", "C update", "V update", "N updated", "C update", "V update",
                        "V size 320x200"}));
}

TEST(GameManagerDeathTest, WindowThatFailsToInitialiseEndsTheProgramWithTheAbortReport) {
    Game::GameManager manager(800, 600, 60, 0);
    EXPECT_ABORT_REPORT(manager.run(), "Game::GameManager::run()", "Failed to init window");
    FakeWindowApp window;
    window.initResult = false;
    manager.setWindowApp(&window);
    EXPECT_ABORT_REPORT(manager.run(), "Game::GameManager::run()", "Failed to init window");
}

} // namespace
