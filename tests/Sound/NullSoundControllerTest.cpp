#include "Sound/NullSoundController.h"

#include <gtest/gtest.h>

namespace {

TEST(NullSoundControllerTest, EverythingSucceedsAndNoSourceEverPlays) {
    Sound::NullSoundController silent;
    Sound::I_SoundController& sound = silent;
    EXPECT_TRUE(sound.init());
    EXPECT_TRUE(sound.addSource(-7, true));
    EXPECT_TRUE(sound.load(3, "missing.wav"));
    sound.play(3, 1, 2, 3);
    EXPECT_FALSE(sound.isPlaying(3));
    sound.shutdown();
}

} // namespace
