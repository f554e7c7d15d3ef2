#pragma once

#include "Sound/I_SoundController.h"

#include <string>

namespace Sound {

// The silent sound controller: makes no sound, reports success and never reports a source as
// playing.
class NullSoundController : public I_SoundController {
public:
    bool init() override { return true; }
    bool addSource(int, bool) override { return true; }
    bool load(int, const std::string&) override { return true; }
    void play(int, int, int, int) override {}
    void pause(int) override {}
    void resume(int) override {}
    void stop(int) override {}
    bool isPlaying(int) override { return false; }
    void setVolume(int, int) override {}
    void shutdown() override {}
};

} // namespace Sound
