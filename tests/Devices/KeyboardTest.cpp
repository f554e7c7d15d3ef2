#include "Devices/Keyboard.h"
#include "../EVT/RecordingConsumer.h"
#include "Devices/Devices.h"
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

TEST(KeyboardTest, KeyEventsSetTheKeyFlagAndModifierBitsHoldThePseudoKeys) {
    Keyboard keyboard;
    key('a', true, Keyboard::SHIFT);
    EXPECT_TRUE(keyboard.keyDown[97]);
    EXPECT_TRUE(keyboard.keyDown[Keyboard::SHIFT_KEY]);
    EXPECT_FALSE(keyboard.keyDown[Keyboard::ALT_KEY]);
    // The release of 'a' carries the bits recorded at its press; the next event without them
    // releases the pseudo-key.
    key('a', false, Keyboard::SHIFT);
    EXPECT_FALSE(keyboard.keyDown[97]);
    EXPECT_TRUE(keyboard.keyDown[1]);
    key(13, true, Keyboard::CTRL | Keyboard::ALT);
    EXPECT_TRUE(keyboard.keyDown[13]);
    EXPECT_EQ(std::vector<bool>(&keyboard.keyDown[1], &keyboard.keyDown[4]),
              (std::vector<bool>{false, true, true}));
    // A plain event of the key type is no key event.
    EVT::EventBus::instance().raiseEvent(EVT::KEY, false);
    EXPECT_TRUE(keyboard.keyDown[13]);
}

TEST(KeyboardTest, BoundEventsAreRaisedOnTheEdgesOnlyUntilTheyAreReplacedOrReset) {
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
    key(27, false, 0);
    key(27, false, 0);
    keyboard.addKeyPressEvent(27, EVT::Event(52));
    key(27, true, Keyboard::SHIFT);
    // Reset raises nothing: neither the release of 27 nor that of the shift pseudo-key.
    keyboard.reset();
    EXPECT_FALSE(keyboard.keyDown[27]);
    EXPECT_FALSE(keyboard.keyDown[1]);
    key(27, true, 0);
    key(27, false, 0);
    EXPECT_EQ(log, (Log{"L:50", "L:51", "L:52", "L:52"}));
}

TEST(KeyboardTest, ConsumerMayRebindOrResetTheKeyWhileItsBoundEventIsDelivered) {
    Log log;
    Keyboard keyboard;
    RecordingConsumer rebinder("R", log), reader("L", log);
    EVT::EventBus::instance().addConsumer(50, &rebinder);
    EVT::EventBus::instance().addConsumer(50, &reader);
    rebinder.action = [&keyboard](EVT::I_Event*) {
        keyboard.addKeyPressEvent('q', EVT::Event(60));
        keyboard.reset();
    };
    keyboard.addKeyPressEvent('q', EVT::Event(50));
    key('q', true, 0);
    EXPECT_EQ(log, (Log{"R:50", "L:50"}));
}

TEST(KeyboardTest, RegistryHoldsNoKeyboardUntilOneIsInstalled) {
    EXPECT_EQ(Devices::getKeyboard(), nullptr);
    Keyboard keyboard;
    Devices::setKeyboard(&keyboard);
    EXPECT_EQ(Devices::getKeyboard(), &keyboard);
    Devices::setKeyboard(nullptr);
}

} // namespace
