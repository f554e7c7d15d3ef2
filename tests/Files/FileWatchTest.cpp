#include "Files/FileWatch.h"

#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(FileWatch, ReportsEachChangeInAWatchedFolderOnce) {
    const ScratchDir dir;
    const std::string path = dir.write("x.cfg", "A == 1\n");
    Files::FileWatch watch;
    ASSERT_TRUE(watch.watchFolderOf(path));
    EXPECT_FALSE(watch.changed());
    dir.read("x.cfg");
    EXPECT_FALSE(watch.changed());
    dir.write("x.cfg", "A == 2\n");
    EXPECT_TRUE(watch.changed());
    EXPECT_FALSE(watch.changed());
    std::filesystem::rename(path, dir.path("y.cfg"));
    EXPECT_TRUE(watch.changed());
    EXPECT_FALSE(watch.watchFolderOf(dir.path("none/x.cfg")));
}
