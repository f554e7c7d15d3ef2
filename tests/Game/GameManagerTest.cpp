#include "Game/GameManager.h"
#include "EVT/EventBus.h"
#include "EVT/Event_PreUpdate.h"
#include "EVT/Event_Screen.h"
#include "EVT/Event_Update.h"
#include "FakeRenderController.h"
#include "FakeView.h"
#include "FakeWindowApp.h"
#include "Game/TimerBase.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>
#include <vector>

namespace {

using KessokTest::FakeView;
using KessokTest::FakeWindowApp;
using Log = std::vector<std::string>;

EVT::EventBus& bus() {
    return EVT::EventBus::instance();
}

void update(const float frameTime) {
    EVT::Event_Update event(frameTime);
    bus().raiseEvent(&event, false);
}

void frame(const float frameTime) {
    EVT::Event_PreUpdate preUpdate(frameTime);
    bus().raiseEvent(&preUpdate, false);
    update(frameTime);
    bus().raiseEvent(EVT::RENDER, false);
}

void screen(const int width, const int height) {
    EVT::Event_Screen event(width, height);
    bus().raiseEvent(&event, false);
}

// Writes "name call" to a shared log from every listener interface, from the logic calls, from
// timer expiries and from the quit event, then runs its action.
class Listener : public Game::I_GameUpdated,
                 public Game::I_ScreenWatcher,
                 public Game::I_LogicController,
                 public Game::TimerBase,
                 public EVT::I_EventConsumer {
public:
    Listener(std::string name, Log& log) : m_name(std::move(name)), m_log(log) {}

    void onGameUpdated(const float&) override { record("updated"); }
    void onScreenSize(const int width, const int height) override {
        record("size " + std::to_string(width) + "x" + std::to_string(height));
    }
    void setPause(const bool paused) override { record(paused ? "pause" : "resume"); }
    void onUpdate(float) override { record("logic"); }
    void fire() override { record("fired"); }
    void handleEvent(EVT::I_Event*) override { record("quit"); }

    std::function<void()> action;

private:
    void record(const std::string& call) {
        m_log.push_back(m_name + " " + call);
        if (action) {
            const auto run = action;
            run();
        }
    }

    const std::string m_name;
    Log& m_log;
};

TEST(GameManagerTest, BaseSizeOfZeroBecomes800By600EachOnItsOwn) {
    const Game::GameManager wide(0, 480, 60, 0), tall(640, 0, 60, 0);
    EXPECT_EQ(wide.getBaseWidth(), 800);
    EXPECT_EQ(wide.getBaseHeight(), 480);
    EXPECT_EQ(tall.getBaseWidth(), 640);
    EXPECT_EQ(tall.getBaseHeight(), 600);
}

TEST(GameManagerTest, SlowFramesSkipAtMostMaxSkipRendersInARowUnlessSkipOrRateIsZero) {
    Game::GameManager skipTwo(800, 600, 60, 2), noSkip(800, 600, 60, 0), noRate(800, 600, 0, 5);
    FakeWindowApp window, noSkipWindow, noRateWindow;
    skipTwo.setWindowApp(&window);
    noSkip.setWindowApp(&noSkipWindow);
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

TEST(GameManagerTest, DrawnFrameClearsWithTheWindowColourOnlyWhenAskedThenRendersAndShows) {
    Log log;
    Game::GameManager manager(800, 600, 60, 0);
    FakeWindowApp window(&log);
    FakeView view("V", log);
    manager.setWindowApp(&window);
    manager.getViewManager()->add(&view);
    log.clear();
    bus().raiseEvent(EVT::RENDER, false);
    window.setClearWindow(false);
    bus().raiseEvent(EVT::RENDER, false);
    EXPECT_EQ(log, (Log{"clearWindow", "V.render", "showWindow", "V.render", "showWindow"}));
    EXPECT_EQ(window.clearedWith, 0xff000080UL);
}

TEST(GameManagerTest, ScreenSizeReachesViewsAndWatchersAndSetsTheScale) {
    Log log;
    Game::GameManager manager(800, 600, 60, 0);
    Listener watcher("W", log);
    FakeView view("V", log);
    float scaleX = -1.0f, scaleY = -1.0f;
    manager.getScreenScale(scaleX, scaleY);
    EXPECT_EQ(scaleX + scaleY, 0.0f);
    manager.addScreenWatcher(&watcher);
    manager.addScreenWatcher(&watcher);
    manager.getViewManager()->add(&view);
    manager.getViewManager()->doPendingUpdates();
    screen(1600, 1200);
    manager.getScreenScale(scaleX, scaleY);
    EXPECT_EQ(scaleX, 2.0f);
    EXPECT_EQ(scaleY, 2.0f);
    int width = 0, height = 0;
    manager.getScreenSize(width, height);
    EXPECT_EQ(width * height, 1600 * 1200);
    EXPECT_EQ(log, (Log{"W size 0x0", "V.size 0x0", "V.size 1600x1200", "W size 1600x1200"}));
}

TEST(GameManagerTest, UpdateRunsTimersThenListenersThenLogicThenViewsAndShutdownWaitsForIt) {
    Log log;
    Game::GameManager manager(800, 600, 60, 0);
    Listener listener("L", log), logic("C", log), timer("T", log), quit("Q", log);
    FakeView view("V", log);
    bus().addConsumer(EVT::QUIT, &quit);
    manager.setLogicController(&logic);
    manager.addGameUpdated(&listener);
    manager.addGameUpdated(&listener);
    manager.getViewManager()->add(&view);
    timer.start(10.0f, 0.0f);
    listener.action = [&manager] { manager.shutdown(); };
    log.clear();
    update(16.0f);
    EXPECT_EQ(log, (Log{"T fired", "L updated", "C logic", "V.update", "Q quit"}));
}

TEST(GameManagerTest, PauseTwiceLeavesTimersPausedTwiceAndTellsViewsAndLogicEachTime) {
    Log log;
    Game::GameManager manager(800, 600, 60, 0);
    Listener logic("C", log), timer("T", log);
    FakeView view("V", log);
    manager.setLogicController(&logic);
    manager.getViewManager()->add(&view);
    manager.getViewManager()->doPendingUpdates();
    timer.start(10.0f, 0.0f);
    log.clear();
    bus().raiseEvent(EVT::PAUSE, false);
    bus().raiseEvent(EVT::PAUSE, false);
    bus().raiseEvent(EVT::RESUME, false);
    EXPECT_EQ(timer.isPaused(), 1);
    EXPECT_EQ(log, (Log{"V.pause", "C pause", "V.pause", "C pause", "V.resume", "C resume"}));
}

TEST(GameManagerTest, InputGoesToTheViewsAndFrameEventsOfTheWrongClassOrMissingServicesAreSkipped) {
    Log log;
    Game::GameManager manager(800, 600, 60, 0);
    FakeView view("V", log);
    manager.getViewManager()->add(&view);
    manager.getViewManager()->doPendingUpdates();
    log.clear();
    for (const int type : {EVT::MOUSE, EVT::ENTER_LEAVE, EVT::KEY, EVT::JOYPAD, EVT::PRE_UPDATE,
                           EVT::UPDATE, EVT::SCREEN}) {
        bus().raiseEvent(type, false);
    }
    EXPECT_EQ(log, (Log{"V.input", "V.input", "V.input", "V.input"}));
    log.clear();
    bus().raiseEvent(EVT::PAUSE, false);
    frame(16.0f);
    EXPECT_EQ(log, (Log{"V.pause", "V.preUpdate", "V.update", "V.render"}));
    EXPECT_EQ(manager.getTime(), 0.0);
}

TEST(GameManagerTest, ListenersMayAddRemoveAndDestroyListenersWhileTheyAreCalled) {
    Log log;
    Game::GameManager manager(800, 600, 60, 0);
    Listener a("A", log), b("B", log), c("C", log);
    auto* const doomed = new Listener("D", log);
    for (Listener* const listener : {&a, &b, doomed}) {
        manager.addGameUpdated(listener);
        manager.addScreenWatcher(listener);
    }
    a.action = [&] {
        for (Listener* const listener : {&a, &b, doomed}) {
            manager.removeGameUpdated(listener);
            manager.removeScreenWatcher(listener);
        }
        delete doomed;
        manager.addGameUpdated(&c);
        a.action = nullptr;
    };
    log.clear();
    update(16.0f);
    update(16.0f);
    screen(320, 200);
    EXPECT_EQ(log, (Log{"A updated", "C updated"}));
}

TEST(GameManagerTest, RunInitialisesTheWindowThenTheRendererThenEntersTheLoop) {
    Log log;
    Game::GameManager manager(800, 600, 60, 0);
    FakeWindowApp window(&log);
    KessokTest::FakeRenderController renderer;
    manager.setWindowApp(&window);
    manager.setRenderController(&renderer);
    manager.run();
    EXPECT_EQ(log, (Log{"initWindowApp", "run"}));
    EXPECT_EQ(renderer.initialised, 1);
}

const char* const kWindowFailureReport =
    "^ABORT: Func:void Game::GameManager::run\\(\\) File:[^\n]*lib/Game/GameManager\\.cpp "
    "Line: [0-9]+\nABORT: Failed to init window\n$";

TEST(GameManagerDeathTest, WindowThatFailsToInitialiseEndsTheProgramWithTheAbortReport) {
    Game::GameManager manager(800, 600, 60, 0);
    EXPECT_EXIT(manager.run(), testing::KilledBySignal(SIGABRT), kWindowFailureReport);
    FakeWindowApp window;
    window.initResult = false;
    manager.setWindowApp(&window);
    EXPECT_EXIT(manager.run(), testing::KilledBySignal(SIGABRT), kWindowFailureReport);
}

} // namespace
