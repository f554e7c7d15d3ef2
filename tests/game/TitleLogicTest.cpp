#include "game/TitleLogic.h"
#include "../EVT/RecordingConsumer.h"
#include "Devices/Devices.h"
#include "Devices/Keyboard.h"
#include "EVT/EventBus.h"
#include "EVT/EventType.h"

#include <gtest/gtest.h>

namespace {

TEST(TitleLogic, EscapeQuitsAndSpaceStartsAsLongAsTheyAreHeld) {
    Devices::Keyboard keyboard;
    Devices::setKeyboard(&keyboard);
    std::vector<std::string> quits;
    KessokTest::RecordingConsumer quit("quit", quits);
    EVT::EventBus::instance().addConsumer(EVT::QUIT, &quit);
    Tool::TitleLogic title(nullptr);
    title.onEnter("RUNNING", "*");
    EXPECT_EQ(title.onUpdate(16.0f), "");

    keyboard.doKey(32, true);
    EXPECT_EQ(title.onUpdate(0.0f), "START");
    EXPECT_EQ(title.onUpdate(16.0f), "START");
    title.setPause(true); // paused, it reacts to its keys as before
    title.onEnter("RUNNING", "*");
    keyboard.doKey(27, true); // Escape wins over Space, every update it is held
    EXPECT_EQ(title.onUpdate(16.0f), "");
    EXPECT_EQ(title.onUpdate(16.0f), "");
    EXPECT_EQ(quits.size(), 2u);

    keyboard.doKey(27, false);
    EXPECT_EQ(title.onUpdate(16.0f), "START");
    Devices::setKeyboard(nullptr);
}

} // namespace
