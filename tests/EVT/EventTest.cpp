#include "EVT/Event.h"
#include "EVT/Event_EnterLeave.h"
#include "EVT/Event_Joypad.h"
#include "EVT/Event_Key.h"
#include "EVT/Event_Mouse.h"
#include "EVT/Event_PreUpdate.h"
#include "EVT/Event_Screen.h"
#include "EVT/Event_SetMouse.h"
#include "EVT/Event_Update.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A copy of the event's own class with its type id; null when the class differs.
template <typename T>
std::unique_ptr<const T> cloneOf(const T& event) {
    std::unique_ptr<const EVT::I_Event> copy(event.clone());
    EXPECT_EQ(copy->type, event.type);
    return std::unique_ptr<const T>(dynamic_cast<const T*>(copy.release()));
}

TEST(EventTest, EveryClassClonesToItsOwnClassWithEqualFields) {
    EXPECT_EQ(cloneOf(EVT::Event(22))->type, 22);
    EXPECT_EQ(cloneOf(EVT::Event_Update(16.5f))->dt, 16.5f);
    EXPECT_EQ(cloneOf(EVT::Event_PreUpdate(3.25f))->dt, 3.25f);
    EXPECT_EQ(cloneOf(EVT::Event_Screen(1024, 1))->height, 1);
    EXPECT_TRUE(cloneOf(EVT::Event_EnterLeave(true))->active);

    const auto setMouse = cloneOf(EVT::Event_SetMouse(-1, 20, 2));
    EXPECT_EQ(setMouse->getX(), -1);
    EXPECT_EQ(setMouse->getY(), 20);
    EXPECT_EQ(setMouse->getMode(), 2);

    const auto mouse = cloneOf(EVT::Event_Mouse(10, 20, -2, 4, true));
    EXPECT_EQ(mouse->type, 11);
    EXPECT_EQ(mouse->y, 20);
    EXPECT_EQ(mouse->wheelDelta, -2);
    EXPECT_EQ(mouse->button, 4);
    EXPECT_TRUE(mouse->pressed);

    const auto key = cloneOf(EVT::Event_Key(200, true, 5));
    EXPECT_EQ(key->key, 200);
    EXPECT_EQ(key->modifiers, 5);

    const auto joypad = cloneOf(EVT::Event_Joypad(15, -1, 1, {true, false, false, true}));
    EXPECT_EQ(joypad->joystick, 15);
    EXPECT_EQ(joypad->x, -1);
    EXPECT_EQ(joypad->buttons, (std::array<bool, 4>{true, false, false, true}));
}

} // namespace
