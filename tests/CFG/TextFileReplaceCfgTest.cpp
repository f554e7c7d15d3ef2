#include "CFGTesting.h"

#include "CFG/Info.h"
#include "Files/TextFile.h"

#include <gtest/gtest.h>

#include <string>

TEST(TextFileLoadAndReplaceCfg, ReplacesTextWithLoadedKeysSubstitutedOrLeavesItOnFailure) {
    const ScratchDir files;
    CFG::Info overrides(nullptr);
    overrides.add("SIZE", "16");
    CFG::Info config(&overrides);
    config.add("COUNT", "::SIZE::");
    std::string text = "old";
    EXPECT_FALSE(Files::TextFile::loadAndReplaceCfg(&config, files.path("none.glsl"), text, "\n"));
    EXPECT_FALSE(
        Files::TextFile::loadAndReplaceCfg(&config, files.write("0.glsl", ""), text, "\n"));
    EXPECT_EQ(text, "old");
    const std::string path =
        files.write("a.glsl", "#define N ::COUNT::\n#define K ::A B::\n\nend ::MISSING:: x::");
    EXPECT_TRUE(Files::TextFile::loadAndReplaceCfg(&config, path, text, "\n"));
    EXPECT_EQ(text, "#define N 16\n#define K ::A B::\n\nend  x::\n");
}
