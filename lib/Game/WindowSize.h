#pragma once

#include <utility>
#include <vector>

// The window-size rule: which size the window opens at, from the size asked for and the
// display's video modes.
namespace Game {

// Strict ordering of (width, height) pairs, width first, then height.
struct ltWidthHeightPair {
    bool operator()(const std::pair<int, int>& lhs, const std::pair<int, int>& rhs) const;
};

// The distinct sizes of the modes, ordered by ltWidthHeightPair.
std::vector<std::pair<int, int>> distinctSizes(const std::vector<std::pair<int, int>>& modes);

// The requested size when it can be shown, else the desktop size: a side of 0 or below, a
// full-screen size that is not a mode, or a windowed size wider than every mode or taller than
// every mode (or with no mode listed) takes the desktop size. A windowed size that is not a
// mode but fits within the modes is kept.
std::pair<int, int> chooseWindowSize(const std::pair<int, int>& requested, bool fullscreen,
                                     const std::vector<std::pair<int, int>>& allowed,
                                     const std::pair<int, int>& desktop);

} // namespace Game
