#include "ConfigFiles.h"

#include "CFG/Info.h"
#include "Files/TextFile.h"

#include <gtest/gtest.h>

#include <string>

TEST(TextFileLoadAndReplaceCfg, ReplacesTextWithLoadedKeysSubstituted) {
    const ConfigFiles files;
    CFG::Info config(nullptr);
    config.add("COUNT", "16");
    const std::string path = files.write(
        "shader.glsl", "#define COUNT ::COUNT::\n#define KEEP ::A B::\n\nend ::MISSING::");
    std::string text = "old";
    ASSERT_TRUE(Files::TextFile::loadAndReplaceCfg(&config, path, text, "\n"));
    EXPECT_EQ(text, "#define COUNT 16\n#define KEEP ::A B::\n\nend \n");
}

TEST(TextFileLoadAndReplaceCfg, MissingOrEmptyFileLeavesTextAsItWas) {
    const ConfigFiles files;
    const CFG::Info config(nullptr);
    std::string text = "old";
    EXPECT_FALSE(
        Files::TextFile::loadAndReplaceCfg(&config, files.path("missing.glsl"), text, "\n"));
    EXPECT_FALSE(
        Files::TextFile::loadAndReplaceCfg(&config, files.write("empty.glsl", ""), text, "\n"));
    EXPECT_EQ(text, "old");
}
