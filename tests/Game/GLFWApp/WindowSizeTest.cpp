#include "Game/WindowSize.h"

#include <gtest/gtest.h>

namespace {

using Size = std::pair<int, int>;
using Sizes = std::vector<Size>;

const Size s_desktop{1920, 1080};
const Sizes s_modes{{640, 480}, {800, 600}, {1280, 720}, {1920, 1080}};

Size windowed(const Size& requested, const Sizes& modes = s_modes) {
    return Game::chooseWindowSize(requested, false, modes, s_desktop);
}

TEST(WindowSize, SideOfZeroOrBelowTakesDesktopSize) {
    for (const Size& requested : Sizes{{0, 0}, {0, 600}, {800, 0}, {-5, 100}}) {
        EXPECT_EQ(windowed(requested), s_desktop) << requested.first << " x " << requested.second;
    }
}

TEST(WindowSize, WindowedSizeWithinTheModesIsKeptOtherwiseDesktop) {
    EXPECT_EQ(windowed({1024, 768}), Size(1024, 768));
    // The widest and the tallest mode need not be the same one.
    EXPECT_EQ(windowed({1500, 1100}, {{1920, 600}, {800, 1200}}), Size(1500, 1100));
    EXPECT_EQ(windowed({3000, 2000}), s_desktop);
    EXPECT_EQ(windowed({1921, 600}), s_desktop);
    EXPECT_EQ(windowed({800, 1081}), s_desktop);
    EXPECT_EQ(windowed({640, 480}, {}), s_desktop);
}

TEST(WindowSize, FullScreenSizeMustBeAMode) {
    EXPECT_EQ(Game::chooseWindowSize({1280, 720}, true, s_modes, s_desktop), Size(1280, 720));
    EXPECT_EQ(Game::chooseWindowSize({1024, 768}, true, s_modes, s_desktop), s_desktop);
}

TEST(WindowSize, DistinctSizesAreListedOnceWidthFirst) {
    // Modes that differ only in depth or refresh rate share a size.
    const Sizes modes{{800, 600}, {640, 480}, {800, 480}, {640, 480}, {1024, 480}};
    EXPECT_EQ(Game::distinctSizes(modes), (Sizes{{640, 480}, {800, 480}, {800, 600}, {1024, 480}}));
}

} // namespace
