#include "game/TitleLogic.h"
#include "Devices/Devices.h"
#include "Devices/Keyboard.h"
#include "EVT/EventBus.h"
#include "EVT/EventType.h"

#include <gtest/gtest.h>

namespace {

class QuitCounter : public EVT::I_EventConsumer {
public:
    QuitCounter() { EVT::EventBus::instance().addConsumer(EVT::QUIT, this); }
    void handleEvent(EVT::I_Event*) override { ++quits; }
    int quits = 0;
};

TEST(TitleLogic, EscapeQuitsAndSpaceStartsAsLongAsTheyAreHeld) {
    Devices::Keyboard keyboard;
    Devices::setKeyboard(&keyboard);
    QuitCounter counter;
    Tool::TitleLogic title(nullptr);
    title.onEnter("RUNNING", "*");
    EXPECT_EQ(title.onUpdate(16.0f), "");

    keyboard.doKey(32, true);
    EXPECT_EQ(title.onUpdate(0.0f), "START");
    EXPECT_EQ(title.onUpdate(16.0f), "START");
    title.onEnter("RUNNING", "*");
    keyboard.doKey(27, true); // Escape wins over Space, every update it is held
    EXPECT_EQ(title.onUpdate(16.0f), "");
    EXPECT_EQ(title.onUpdate(16.0f), "");
    EXPECT_EQ(counter.quits, 2);

    keyboard.doKey(27, false);
    title.setPause(true);
    EXPECT_EQ(title.onUpdate(16.0f), "START");
    Devices::setKeyboard(nullptr);
}

} // namespace
