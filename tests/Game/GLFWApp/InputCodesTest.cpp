#include "Game/InputCodes.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

TEST(InputCodes, KeysMapToLowerCaseCharactersOrTheirOwnCodes) {
    EXPECT_EQ(Game::keyCodeFor(GLFW_KEY_A), 'a');
    EXPECT_EQ(Game::keyCodeFor(GLFW_KEY_SEMICOLON), ';');
    EXPECT_EQ(Game::keyCodeFor(GLFW_KEY_PAGE_UP), 13);
    EXPECT_EQ(Game::keyCodeFor(GLFW_KEY_ENTER), 13);
    EXPECT_EQ(Game::keyCodeFor(GLFW_KEY_UP), 6);
    // The keypad codes run KP0-KP9, KP/, KP*, KP-, KP+, KP., KP=, KP RET.
    const std::vector<int> keypad{GLFW_KEY_KP_0,        GLFW_KEY_KP_9,        GLFW_KEY_KP_DIVIDE,
                                  GLFW_KEY_KP_MULTIPLY, GLFW_KEY_KP_SUBTRACT, GLFW_KEY_KP_ADD,
                                  GLFW_KEY_KP_DECIMAL,  GLFW_KEY_KP_EQUAL,    GLFW_KEY_KP_ENTER};
    const std::vector<int> codes{128, 137, 138, 139, 140, 141, 142, 143, 144};
    for (std::size_t i = 0; i < keypad.size(); ++i) {
        EXPECT_EQ(Game::keyCodeFor(keypad[i]), codes[i]) << "GLFW key " << keypad[i];
    }
}

TEST(InputCodes, UnknownFunctionLockAndModifierKeysHaveNoCode) {
    for (const int key : {GLFW_KEY_UNKNOWN, GLFW_KEY_TAB, GLFW_KEY_F1, GLFW_KEY_F25,
                          GLFW_KEY_CAPS_LOCK, GLFW_KEY_PRINT_SCREEN, GLFW_KEY_PAUSE,
                          GLFW_KEY_LEFT_SHIFT, GLFW_KEY_RIGHT_SUPER, GLFW_KEY_MENU}) {
        EXPECT_EQ(Game::keyCodeFor(key), 0) << "GLFW key " << key;
    }
}

TEST(InputCodes, ModifierBitsAreShiftOneAltTwoCtrlFour) {
    const auto bitsFor = [](const std::set<int>& held) {
        return Game::modifierBitsFor([&held](const int key) { return held.count(key) > 0; });
    };
    EXPECT_EQ(bitsFor({}), 0);
    EXPECT_EQ(bitsFor({GLFW_KEY_LEFT_SHIFT}), 1);
    EXPECT_EQ(bitsFor({GLFW_KEY_RIGHT_ALT}), 2);
    EXPECT_EQ(bitsFor({GLFW_KEY_LEFT_CONTROL}), 4);
    EXPECT_EQ(bitsFor({GLFW_KEY_RIGHT_SHIFT, GLFW_KEY_LEFT_ALT, GLFW_KEY_RIGHT_CONTROL}), 7);
}

// Asking for a sticky key consumes its press, so the left key stays unasked while the right
// one is held.
TEST(InputCodes, LeftModifierKeyIsAskedOnlyWhenTheRightOneIsUp) {
    std::vector<int> asked;
    Game::modifierBitsFor([&asked](const int key) {
        asked.push_back(key);
        return key == GLFW_KEY_RIGHT_SHIFT;
    });
    EXPECT_EQ(asked, (std::vector<int>{GLFW_KEY_RIGHT_SHIFT, GLFW_KEY_RIGHT_ALT, GLFW_KEY_LEFT_ALT,
                                       GLFW_KEY_RIGHT_CONTROL, GLFW_KEY_LEFT_CONTROL}));
}

} // namespace
