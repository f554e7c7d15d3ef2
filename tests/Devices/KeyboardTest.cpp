#include "Devices/Keyboard.h"
#include "../EVT/RecordingConsumer.h"
#include "EVT/Event.h"
#include "EVT/EventBus.h"
#include "EVT/Event_Key.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Devices::Keyboard;
using KessokTest::RecordingConsumer;
using Log = std::vector<std::string>;

void key(const unsigned char code, const bool pressed, const int modifiers) {
    EVT::Event_Key event(code, pressed, modifiers);
    EVT::EventBus::instance().raiseEvent(&event, false);
}

// The codes of the keys held, ascending.
std::string held(const Keyboard& keyboard) {
    std::string codes;
    for (std::size_t code = 0; code < keyboard.keyDown.size(); ++code) {
        codes += keyboard.keyDown[code] ? " " + std::to_string(code) : "";
    }
    return codes;
}

TEST(KeyboardTest, KeyEventsSetFlagsAndRaiseBoundEventsOnTheEdgesUntilReboundOrReset) {
    Log log;
    RecordingConsumer listener("L", log);
    for (const int type : {50, 51, 52}) {
        EVT::EventBus::instance().addConsumer(type, &listener);
    }
    Keyboard keyboard;
    {
        const EVT::Event press(50);
        keyboard.addKeyPressEvent(27, press);
    }
    keyboard.addKeyReleaseEvent(27, EVT::Event(51));
    keyboard.addKeyReleaseEvent(Keyboard::SHIFT_KEY, EVT::Event(52));
    key(27, true, Keyboard::SHIFT);
    key(27, true, Keyboard::SHIFT);
    EXPECT_EQ(held(keyboard), " 1 27");
    // The release carries the bits recorded at the press; the next event without them releases
    // the pseudo-key. A plain event of the key type is no key event.
    key(27, false, Keyboard::SHIFT);
    key(27, false, Keyboard::SHIFT);
    EXPECT_EQ(held(keyboard), " 1");
    key(13, true, Keyboard::CTRL);
    EVT::EventBus::instance().raiseEvent(EVT::KEY, false);
    EXPECT_EQ(held(keyboard), " 3 13");
    keyboard.addKeyPressEvent(27, EVT::Event(52));
    key(27, true, Keyboard::SHIFT | Keyboard::ALT);
    EXPECT_EQ(held(keyboard), " 1 2 13 27");
    // Reset raises nothing, though 27 and shift are bound to events on release, and drops the
    // bindings.
    keyboard.reset();
    EXPECT_EQ(held(keyboard), "");
    key(27, true, 0);
    key(27, false, 0);
    EXPECT_EQ(log, (Log{"L 50", "L 51", "L 52", "L 52"}));
}

TEST(KeyboardTest, ConsumerMayRebindOrResetTheKeyWhileItsBoundEventIsDelivered) {
    Log log;
    Keyboard keyboard;
    RecordingConsumer rebinder("R", log), reader("L", log);
    EVT::EventBus::instance().addConsumer(50, &rebinder);
    EVT::EventBus::instance().addConsumer(50, &reader);
    rebinder.action = [&keyboard] {
        keyboard.addKeyPressEvent('q', EVT::Event(60));
        keyboard.reset();
    };
    keyboard.addKeyPressEvent('q', EVT::Event(50));
    key('q', true, 0);
    EXPECT_EQ(log, (Log{"R 50", "L 50"}));
}

} // namespace
