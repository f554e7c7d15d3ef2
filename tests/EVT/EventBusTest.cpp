#include "EVT/EventBus.h"
#include "EVT/Event_Screen.h"
#include "RecordingConsumer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using KessokTest::RecordingConsumer;
using Log = std::vector<std::string>;

EVT::EventBus& bus() {
    return EVT::EventBus::instance();
}

TEST(EventBusTest, NestedRaiseReachesAllItsConsumersBeforeTheNextConsumerOfTheOuterEvent) {
    Log log;
    RecordingConsumer a("A", log), b("B", log), c("C", log), d("D", log);
    bus().addConsumer(6, &a);
    bus().addConsumer(6, &b);
    bus().addConsumer(6, &a);
    bus().addConsumer(-3, &c);
    bus().addConsumer(-3, &d);
    a.action = [](EVT::I_Event*) { bus().raiseEvent(-3, false); };
    bus().raiseEvent(6, false);
    EXPECT_EQ(log, (Log{"A:6", "C:-3", "D:-3", "B:6"}));
}

TEST(EventBusTest, QueuedRaiseIsACopyDeliveredAfterTheOuterDeliveryOrAtOnceOutsideOne) {
    Log log;
    RecordingConsumer a("A", log), b("B", log), c("C", log);
    bus().addConsumer(100, &a);
    bus().addConsumer(100, &b);
    bus().addConsumer(9, &c);
    const EVT::I_Event* raised = nullptr;
    a.action = [&raised](EVT::I_Event*) {
        EVT::Event_Screen screen(640, 480);
        raised = &screen;
        bus().raiseEvent(&screen, true);
    };
    c.action = [&raised](EVT::I_Event* event) {
        EXPECT_NE(event, raised);
        EXPECT_EQ(dynamic_cast<const EVT::Event_Screen&>(*event).height, 480);
    };
    bus().raiseEvent(100, false);
    EXPECT_EQ(log, (Log{"A:100", "B:100", "C:9"}));
    c.action = nullptr;
    bus().raiseEvent(9, true);
    EXPECT_EQ(log.back(), "C:9");
}

TEST(EventBusTest, EventsQueuedWhileTheQueueDrainsWaitForTheNextOutermostRaise) {
    Log log;
    RecordingConsumer a("A", log), c("C", log), d("D", log);
    bus().addConsumer(100, &a);
    bus().addConsumer(101, &c);
    bus().addConsumer(102, &d);
    a.action = [](EVT::I_Event*) { bus().raiseEvent(101, true); };
    c.action = [&](EVT::I_Event*) {
        bus().raiseEvent(102, true);
        bus().removeConsumer(&a);
    };
    bus().raiseEvent(100, false);
    EXPECT_EQ(log, (Log{"A:100", "C:101"}));
    // The removal asked for while draining is pending too: A is skipped, not yet erased.
    bus().raiseEvent(100, false);
    EXPECT_EQ(log, (Log{"A:100", "C:101", "D:102"}));
}

TEST(EventBusTest, ConsumerRemovedOrDestroyedDuringDeliveryIsNotCalledAgain) {
    Log log;
    RecordingConsumer a("A", log), b("B", log);
    auto* const other = new RecordingConsumer("O", log);
    auto* const self = new RecordingConsumer("S", log);
    bus().addConsumer(100, self);
    bus().addConsumer(100, &a);
    bus().addConsumer(100, other);
    bus().addConsumer(100, &b);
    self->action = [self](EVT::I_Event*) { delete self; };
    a.action = [&](EVT::I_Event*) {
        bus().removeConsumer(100, &b);
        delete other;
        a.action = nullptr;
    };
    bus().raiseEvent(100, false);
    bus().raiseEvent(100, false);
    EXPECT_EQ(log, (Log{"S:100", "A:100", "A:100"}));
}

TEST(EventBusTest, ReAddingDuringDeliveryKeepsThePlaceButTwoRemovalsNeedTwoReAdds) {
    Log log;
    RecordingConsumer a("A", log), b("B", log), c("C", log), late("L", log);
    bus().addConsumer(100, &a);
    bus().addConsumer(100, &b);
    bus().addConsumer(100, &c);
    a.action = [&](EVT::I_Event*) {
        bus().removeConsumer(100, &b);
        bus().addConsumer(100, &b);
        bus().removeConsumer(100, &c);
        bus().removeConsumer(100, &c);
        bus().addConsumer(100, &c);
        bus().addConsumer(100, &late);
        a.action = nullptr;
    };
    bus().raiseEvent(100, false);
    bus().raiseEvent(100, false);
    EXPECT_EQ(log, (Log{"A:100", "B:100", "L:100", "A:100", "B:100", "L:100"}));
}

TEST(EventBusTest, PendingRemovalIsCancelledOnlyBySubscribingWhileStillListed) {
    Log log;
    RecordingConsumer a("A", log), x("X", log);
    bus().addConsumer(200, &a);
    bus().addConsumer(100, &a);
    bus().addConsumer(100, &x);
    a.action = [&](EVT::I_Event* event) {
        if (event->type == 100) {
            // Pending for 100 and for 200, which X never subscribed to.
            bus().removeConsumer(&x);
            bus().addConsumer(100, &x);
            bus().addConsumer(200, &x);
            bus().raiseEvent(200, false);
        }
    };
    bus().raiseEvent(100, false);
    bus().raiseEvent(200, false);
    EXPECT_EQ(log, (Log{"A:100", "A:200", "X:100", "A:200"}));
}

TEST(EventBusTest, ConsumerThatThrowsLeavesRemovalsAndQueuedEventsToTheNextRaise) {
    Log log;
    RecordingConsumer thrower("T", log), b("B", log), c("C", log);
    bus().addConsumer(100, &thrower);
    bus().addConsumer(100, &b);
    bus().addConsumer(101, &c);
    thrower.action = [&](EVT::I_Event*) {
        bus().raiseEvent(101, true);
        bus().removeConsumer(100, &b);
        thrower.action = nullptr;
        throw std::runtime_error("consumer failed");
    };
    EXPECT_THROW(bus().raiseEvent(100, false), std::runtime_error);
    // Back at depth 0, a queued raise is delivered at once, and what was left behind with it.
    bus().raiseEvent(101, true);
    bus().raiseEvent(100, false);
    EXPECT_EQ(log, (Log{"T:100", "C:101", "C:101", "T:100"}));
}

TEST(EventBusTest, ConsumerThatThrowsWhileTheQueueDrainsKeepsTheRestInOrder) {
    Log log;
    RecordingConsumer source("S", log), thrower("T", log), c("C", log);
    bus().addConsumer(100, &source);
    bus().addConsumer(101, &thrower);
    for (const int type : {102, 103, 104}) {
        bus().addConsumer(type, &c);
    }
    source.action = [&](EVT::I_Event*) {
        for (const int type : {101, 102, 103}) {
            bus().raiseEvent(type, true);
        }
        source.action = [](EVT::I_Event*) { bus().raiseEvent(104, true); };
    };
    thrower.action = [](EVT::I_Event*) { throw std::runtime_error("consumer failed"); };
    EXPECT_THROW(bus().raiseEvent(100, false), std::runtime_error);
    bus().raiseEvent(100, false);
    EXPECT_EQ(log, (Log{"S:100", "T:101", "S:100", "C:102", "C:103", "C:104"}));
}

} // namespace
