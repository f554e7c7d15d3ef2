#include "AppFixture.h"

#include "EVT/Event_Key.h"

#include <tuple>
#include <vector>

namespace GLFWAppTest {

// Key code, pressed, modifier bits.
using Key = std::tuple<int, bool, int>;

TEST_F(AppFixture, KeysArriveAsCodesWithTheModifiersOfTheirPress) {
    open(320, 240);
    EXPECT_TRUE(
        LoopDriver(*m_app)
            // Held past the auto-repeat delay, the key repeats inside GLFW.
            .xdotool("keydown a sleep 1.2 keyup a")
            .xdotool("keydown Shift_L keydown a sleep 0.1 keyup Shift_L sleep 0.1 keyup a")
            .xdotool("keydown Control_L keydown Alt_L keydown b sleep 0.1 keyup b keyup Alt_L "
                     "keyup Control_L")
            // Keys with no code raise nothing; a modifier tapped alone does not stick to the
            // next key.
            .xdotool("key --delay 30 Prior Return Escape Left Home BackSpace Delete Next "
                     "KP_Divide KP_Multiply KP_Subtract KP_Add KP_Enter 3 semicolon Tab F1 F12 "
                     "Print Pause Super_L Menu Shift_L z")
            .run());

    std::vector<Key> expected{{'a', true, 0},  {'a', false, 0}, {'a', true, 1},
                              {'a', false, 1}, {'b', true, 6},  {'b', false, 6}};
    for (const int code : {13, 13, 27, 4, 8, 11, 12, 14, 138, 139, 140, 141, 144, 51, 59, 122}) {
        expected.emplace_back(code, true, 0);
        expected.emplace_back(code, false, 0);
    }
    std::vector<Key> keys;
    for (const EVT::Event_Key& key : m_events.ofType<EVT::Event_Key>(EVT::KEY)) {
        keys.emplace_back(key.key, key.pressed, key.modifiers);
    }
    EXPECT_EQ(keys, expected);
}

} // namespace GLFWAppTest
