#include "Game/WindowSize.h"

#include <algorithm>
#include <set>

namespace Game {

bool ltWidthHeightPair::operator()(const std::pair<int, int>& lhs,
                                   const std::pair<int, int>& rhs) const {
    if (lhs.first != rhs.first) {
        return lhs.first < rhs.first;
    }
    return lhs.second < rhs.second;
}

std::vector<std::pair<int, int>> distinctSizes(const std::vector<std::pair<int, int>>& modes) {
    const std::set<std::pair<int, int>, ltWidthHeightPair> sizes(modes.begin(), modes.end());
    return {sizes.begin(), sizes.end()};
}

std::pair<int, int> chooseWindowSize(const std::pair<int, int>& requested, const bool fullscreen,
                                     const std::vector<std::pair<int, int>>& allowed,
                                     const std::pair<int, int>& desktop) {
    // X11 ends the process on a window side of 0, so no such size may reach the window system.
    if (requested.first <= 0 || requested.second <= 0) {
        return desktop;
    }
    if (std::find(allowed.begin(), allowed.end(), requested) != allowed.end()) {
        return requested;
    }
    if (fullscreen) {
        return desktop;
    }
    const bool wideEnough = std::any_of(allowed.begin(), allowed.end(), [&](const auto& size) {
        return size.first >= requested.first;
    });
    const bool tallEnough = std::any_of(allowed.begin(), allowed.end(), [&](const auto& size) {
        return size.second >= requested.second;
    });
    return wideEnough && tallEnough ? requested : desktop;
}

} // namespace Game
