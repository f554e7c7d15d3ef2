#pragma once

namespace EVT {

// The event type ids the framework raises or consumes. Every other id, negative ones
// included, is free for a game's own events.
enum EventType : int {
    QUIT = 1,
    PAUSE = 4,
    RESUME = 5,
    UPDATE = 6,
    PRE_UPDATE = 7,
    RENDER = 8,
    SCREEN = 9,
    SET_MOUSE = 10,
    MOUSE = 11,
    ENTER_LEAVE = 12,
    KEY = 13,
    JOYPAD = 14
};

} // namespace EVT
