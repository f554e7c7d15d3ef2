#include "CFG/CompanionFiles.h"

#include "Support/ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// Counts missed companions in folder until they are misses there.
void missUntil(CFG::CompanionFiles& companions, const std::string& folder, const int misses,
               int& missed) {
    for (; missed < misses; ++missed) {
        companions.missed(folder + "/absent" + std::to_string(missed) + ".cfg.MOD");
    }
}

} // namespace

TEST(CompanionFiles, AFolderIsListedOnceTheMissesThereOutweighItsSize) {
    const ScratchDir small;
    small.write("x.cfg.MOD", "");
    const ScratchDir large;
    // Larger than a few misses allow on ext4, tmpfs, btrfs and XFS alike, and smaller than
    // thousands do. Links to one file, which are made many times faster than files.
    const std::string image = large.write("image.tga", "");
    for (int link = 0; link < 2000; ++link) {
        std::filesystem::create_hard_link(
            image, large.path("an_image_with_a_long_descriptive_name_" + std::to_string(link)));
    }
    CFG::CompanionFiles companions;
    int smallMisses = 0;
    int largeMisses = 0;
    int unlistableMisses = 0;
    missUntil(companions, small.path(), 7, smallMisses);
    EXPECT_TRUE(companions.mayExist(small.path("y.cfg.MOD"))) << "a few misses list nothing";
    missUntil(companions, small.path(), 8, smallMisses);
    EXPECT_FALSE(companions.mayExist(small.path("y.cfg.MOD"))) << "several list a small folder";
    EXPECT_TRUE(companions.mayExist(small.path("x.cfg.MOD"))) << "what the listing holds";
    EXPECT_TRUE(companions.mayExist(small.path("X.CFG.mod"))) << "in any letter case";
    missUntil(companions, large.path(), 8, largeMisses);
    EXPECT_TRUE(companions.mayExist(large.path("y.cfg.MOD"))) << "several leave a large folder";
    missUntil(companions, large.path(), 4096, largeMisses);
    EXPECT_FALSE(companions.mayExist(large.path("y.cfg.MOD"))) << "thousands list it";
    missUntil(companions, small.path("missing"), 64, unlistableMisses);
    EXPECT_TRUE(companions.mayExist(small.path("missing/y.cfg.MOD")))
        << "an unlistable folder is probed";
    companions.clear();
    EXPECT_TRUE(companions.mayExist(small.path("y.cfg.MOD"))) << "a new load lists afresh";
}
