#pragma once

namespace Game {

// The screen area a view covers, in pixels; for a game's own layout.
struct ViewBox {
    int x;
    int y;
    int width;
    int height;
};

} // namespace Game
