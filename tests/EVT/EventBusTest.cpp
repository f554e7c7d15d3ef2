#include "EVT/EventBus.h"
#include "EVT/Event_Screen.h"
#include "RecordingConsumer.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using KessokTest::RecordingConsumer;
using Log = std::vector<std::string>;

EVT::EventBus& bus() {
    return EVT::EventBus::instance();
}

void subscribe(const int type, const std::initializer_list<RecordingConsumer*> consumers) {
    for (RecordingConsumer* const consumer : consumers) {
        bus().addConsumer(type, consumer);
    }
}

TEST(EventBusTest, NestedRaiseReachesAllItsConsumersBeforeTheNextConsumerOfTheOuterEvent) {
    Log log;
    RecordingConsumer a("A", log), b("B", log), c("C", log), d("D", log);
    subscribe(6, {&a, &b, &a});
    subscribe(-3, {&c, &d});
    a.action = [] { bus().raiseEvent(-3, false); };
    bus().raiseEvent(6, false);
    EXPECT_EQ(log, (Log{"A 6", "C -3", "D -3", "B 6"}));
}

TEST(EventBusTest, QueuedRaiseDeliversACopyWhenTheOutermostRaiseEndsNotTheOneDrainingIt) {
    Log log;
    RecordingConsumer a("A", log), b("B", log), c("C", log), d("D", log);
    subscribe(100, {&a, &b});
    subscribe(9, {&c});
    subscribe(102, {&d});
    const EVT::I_Event* raised = nullptr;
    a.action = [&raised] {
        EVT::Event_Screen screen(640, 480);
        raised = &screen;
        bus().raiseEvent(&screen, true);
    };
    // While the queue drains, what is queued and what is removed wait for the next outermost
    // raise: A is skipped until then.
    c.action = [&] {
        EXPECT_NE(c.received, raised);
        EXPECT_EQ(dynamic_cast<const EVT::Event_Screen&>(*c.received).height, 480);
        bus().raiseEvent(102, true);
        bus().removeConsumer(&a);
        // Walking the types mid-delivery, with a copy queued and a removal pending, changes
        // nothing of what follows.
        std::as_const(bus()).dump();
        c.action = nullptr;
    };
    bus().raiseEvent(100, false);
    EXPECT_EQ(log, (Log{"A 100", "B 100", "C 9"}));
    bus().raiseEvent(100, false);
    bus().raiseEvent(9, true);
    EXPECT_EQ(log, (Log{"A 100", "B 100", "C 9", "B 100", "D 102", "C 9"}));
}

TEST(EventBusTest, ConsumerRemovedOrDestroyedDuringDeliveryIsSkippedUnlessReAddedPerRemoval) {
    Log log;
    RecordingConsumer a("A", log), b("B", log), c("C", log), d("D", log), late("L", log);
    auto* const other = new RecordingConsumer("O", log);
    auto* const self = new RecordingConsumer("S", log);
    subscribe(100, {self, &a, other, &b, &c, &d});
    self->action = [self] { delete self; };
    a.action = [&] {
        bus().removeConsumer(100, &b);
        delete other;
        bus().removeConsumer(100, &c);
        bus().removeConsumer(100, &c);
        bus().removeConsumer(100, &d);
        subscribe(100, {&c, &d, &late});
        a.action = nullptr;
    };
    bus().raiseEvent(100, false);
    bus().raiseEvent(100, false);
    EXPECT_EQ(log, (Log{"S 100", "A 100", "D 100", "L 100", "A 100", "D 100", "L 100"}));
}

TEST(EventBusTest, PendingRemovalIsCancelledOnlyBySubscribingWhileListedAndEndsWithTheRaise) {
    Log log;
    RecordingConsumer a("A", log), x("X", log);
    subscribe(200, {&a});
    subscribe(100, {&a, &x});
    a.action = [&] {
        if (a.received->type == 100) {
            // Pending for 100 and for 200, which X never subscribed to, and for 300, which
            // nobody has subscribed to yet.
            bus().removeConsumer(&x);
            bus().removeConsumer(300, &x);
            subscribe(100, {&x});
            subscribe(200, {&x});
            bus().raiseEvent(200, false);
        }
    };
    bus().raiseEvent(100, false);
    bus().raiseEvent(200, false);
    // The removal from 300 went with the raise that requested it; it does not lie in wait for a
    // later subscription.
    subscribe(300, {&x});
    bus().raiseEvent(300, false);
    EXPECT_EQ(log, (Log{"A 100", "A 200", "X 100", "A 200", "X 300"}));
}

TEST(EventBusTest, ConsumerThatThrowsLeavesTheBusAtDepthZeroWithNothingLost) {
    Log log;
    RecordingConsumer thrower("T", log), b("B", log), c("C", log), d("D", log);
    subscribe(100, {&thrower, &b});
    subscribe(101, {&c});
    subscribe(102, {&d});
    thrower.action = [&] {
        bus().raiseEvent(101, true);
        bus().removeConsumer(100, &b);
        thrower.action = nullptr;
        throw std::runtime_error("consumer failed");
    };
    EXPECT_THROW(bus().raiseEvent(100, false), std::runtime_error);
    // Back at depth 0 a queued raise is delivered at once, with what was left behind.
    bus().raiseEvent(102, true);
    bus().raiseEvent(100, false);
    EXPECT_EQ(log, (Log{"T 100", "D 102", "C 101", "T 100"}));
}

TEST(EventBusTest, ConsumerThatThrowsWhileTheQueueDrainsKeepsTheRestInOrder) {
    Log log;
    RecordingConsumer source("S", log), thrower("T", log), c("C", log);
    subscribe(100, {&source});
    subscribe(101, {&thrower});
    for (const int type : {102, 103, 104}) {
        subscribe(type, {&c});
    }
    source.action = [&] {
        for (const int type : {101, 102, 103}) {
            bus().raiseEvent(type, true);
        }
        source.action = [] { bus().raiseEvent(104, true); };
    };
    thrower.action = [] { throw std::runtime_error("consumer failed"); };
    EXPECT_THROW(bus().raiseEvent(100, false), std::runtime_error);
    bus().raiseEvent(100, false);
    EXPECT_EQ(log, (Log{"S 100", "T 101", "S 100", "C 102", "C 103", "C 104"}));
}

} // namespace
