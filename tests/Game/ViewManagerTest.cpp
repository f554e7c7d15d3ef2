#include "Game/ViewManager.h"
#include "EVT/Event.h"
#include "Support/Recorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using KessokTest::Recorder;
using Log = std::vector<std::string>;

// Views A, B and C added in that order, not yet listed.
class ViewManagerTest : public ::testing::Test {
protected:
    ViewManagerTest() {
        for (Recorder* const view : {&a, &b, &c}) {
            views.add(view);
        }
    }

    Log log;
    Recorder a{"A", log}, b{"B", log}, c{"C", log}, late{"L", log};
    Game::ViewManager views;
    EVT::Event key{13};
};

TEST_F(ViewManagerTest, AddedViewIsToldTheSizeAtOnceThenDrawnBottomUpAndOfferedInputTopDown) {
    views.setScreenSize(800, 600);
    views.preUpdate(16.0f);
    views.onInput(nullptr);
    views.setScreenSize(800, 600);
    views.add(&late);
    views.preUpdate(16.0f);
    b.consuming = true;
    views.onRender();
    views.onInput(&key);
    EXPECT_EQ(log, (Log{"A size 0x0", "B size 0x0", "C size 0x0", "L size 800x600", "A preUpdate",
                        "B preUpdate", "C preUpdate", "A render", "B render", "C render",
                        "L render", "L input", "C input", "B input"}));
}

TEST_F(ViewManagerTest, RemovedViewIsSkippedAtOnceReAddedGoesOnTopAddedAndRemovedIsNeverListed) {
    views.add(&late);
    views.doPendingUpdates();
    log.clear();
    auto* const passing = new Recorder("P", log);
    views.add(passing);
    views.remove(passing);
    delete passing;
    views.remove(&a);
    views.remove(&a);
    EXPECT_FALSE(views.viewStillValid(&a));
    views.setPause(true);
    b.action = [this] {
        views.remove(&c);
        views.add(&c);
        b.action = nullptr;
    };
    views.onUpdate(16.0f);
    views.onRender();
    views.setPause(false);
    EXPECT_TRUE(views.viewStillValid(&a));
    EXPECT_EQ(log, (Log{"P size 0x0", "A pause", "B pause", "C pause", "L pause", "B update",
                        "C size 0x0", "L update", "B render", "L render", "C render", "B resume",
                        "L resume", "C resume"}));
}

TEST_F(ViewManagerTest, NestedPassLeavesPendingChangesToTheOutermostOne) {
    views.doPendingUpdates();
    log.clear();
    a.action = [this] {
        a.action = nullptr;
        views.add(&late);
        views.onInput(&key);
        views.doPendingUpdates();
    };
    views.onUpdate(16.0f);
    views.onRender();
    EXPECT_EQ(log, (Log{"A update", "L size 0x0", "C input", "B input", "A input", "B update",
                        "C update", "A render", "B render", "C render", "L render"}));
}

} // namespace
