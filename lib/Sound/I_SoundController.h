#pragma once

#include <string>

namespace Sound {

// The sound service of an application: sources, addressed by number, that are loaded, played,
// paused, resumed and stopped. The first int argument of every operation is the source number.
class I_SoundController {
public:
    virtual ~I_SoundController() = default;

    virtual bool init() = 0;
    virtual bool addSource(int source, bool flag) = 0;
    // Loads what the name stands for into the source.
    virtual bool load(int source, const std::string& name) = 0;
    virtual void play(int source, int arg1, int arg2, int arg3) = 0;
    virtual void pause(int source) = 0;
    virtual void resume(int source) = 0;
    virtual void stop(int source) = 0;
    virtual bool isPlaying(int source) = 0;
    virtual void setVolume(int source, int volume) = 0;
    virtual void shutdown() = 0;
};

} // namespace Sound
