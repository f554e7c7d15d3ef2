#include "Game/ViewManager.h"
#include "EVT/Event.h"
#include "FakeView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using KessokTest::FakeView;
using Log = std::vector<std::string>;

TEST(ViewManagerTest, ViewsDrawBottomUpAndTakeInputTopDownUntilOneConsumesIt) {
    Log log;
    FakeView a("A", log), b("B", log), c("C", log);
    Game::ViewManager views;
    views.add(&a);
    views.add(&b);
    views.add(&c);
    b.consuming = true;
    log.clear();
    EVT::Event key(13);
    views.onRender();
    views.onInput(&key);
    EXPECT_EQ(log, (Log{"A.render", "B.render", "C.render", "C.input", "B.input"}));
}

TEST(ViewManagerTest, AddedViewIsToldTheSizeAtOnceAndJoinsAtTheNextUpdateRenderOrInputPass) {
    Log log;
    FakeView a("A", log), b("B", log);
    Game::ViewManager views;
    views.add(&a);
    views.setScreenSize(800, 600);
    views.doPendingUpdates();
    views.setScreenSize(800, 600);
    views.add(&b);
    views.preUpdate(16.0f);
    views.onInput(nullptr);
    views.preUpdate(16.0f);
    EXPECT_EQ(log,
              (Log{"A.size 0x0", "B.size 800x600", "A.preUpdate", "A.preUpdate", "B.preUpdate"}));
}

TEST(ViewManagerTest, RemovedViewIsSkippedByPassesAtOnceButStillPausedUntilItIsGone) {
    Log log;
    FakeView a("A", log), b("B", log);
    Game::ViewManager views;
    views.add(&a);
    views.add(&b);
    views.doPendingUpdates();
    views.remove(&a);
    views.remove(&a);
    EXPECT_FALSE(views.viewStillValid(&a));
    log.clear();
    views.setPause(true);
    views.onUpdate(16.0f);
    views.setPause(false);
    EXPECT_EQ(log, (Log{"A.pause", "B.pause", "B.update", "B.resume"}));
    EXPECT_TRUE(views.viewStillValid(&a));
}

TEST(ViewManagerTest, ViewRemovedDuringAPassIsSkippedForTheRestOfItAndReAddedGoesOnTop) {
    Log log;
    FakeView a("A", log), b("B", log), c("C", log);
    Game::ViewManager views;
    views.add(&a);
    views.add(&b);
    views.add(&c);
    a.onUpdateAction = [&] {
        views.remove(&b);
        views.add(&b);
        a.onUpdateAction = nullptr;
    };
    log.clear();
    views.onUpdate(16.0f);
    views.onRender();
    EXPECT_EQ(log, (Log{"A.update", "B.size 0x0", "C.update", "A.render", "C.render", "B.render"}));
}

TEST(ViewManagerTest, ViewAddedAndRemovedBeforeTheNextPassIsNeverListed) {
    Log log;
    Game::ViewManager views;
    auto* const passing = new FakeView("P", log);
    views.add(passing);
    views.remove(passing);
    delete passing;
    views.onRender();
    views.setPause(true);
    EXPECT_EQ(log, (Log{"P.size 0x0"}));
}

TEST(ViewManagerTest, NestedPassLeavesPendingChangesToTheOutermostOne) {
    Log log;
    FakeView a("A", log), b("B", log), late("L", log);
    Game::ViewManager views;
    views.add(&a);
    views.add(&b);
    views.doPendingUpdates();
    EVT::Event key(13);
    a.onUpdateAction = [&] {
        views.add(&late);
        views.onInput(&key);
        views.doPendingUpdates();
    };
    log.clear();
    views.onUpdate(16.0f);
    EXPECT_EQ(log, (Log{"A.update", "L.size 0x0", "B.input", "A.input", "B.update"}));
    a.onUpdateAction = nullptr;
    log.clear();
    views.onRender();
    EXPECT_EQ(log, (Log{"A.render", "B.render", "L.render"}));
}

} // namespace
