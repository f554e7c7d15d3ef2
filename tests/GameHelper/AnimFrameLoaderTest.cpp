#include "GameHelperTesting.h"

#include "CFG/GlobalConfig.h"
#include "GameHelper/CFGHelper.h"
#include "SprSys/AnimFrameStore.h"
#include "SprSys/AnimFrameStoreIterator.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

namespace {

using SprSys::AnimFrame;

class AnimFrameLoaderTest : public testing::Test {
protected:
    // Loads the text as a definition file with the prefix.
    void load(const std::string& text, const std::string& prefix = "") {
        GameHelper::CFGHelper::populateAnimFrameStore(&store, dir.write("frames.cfg", text),
                                                      prefix);
    }
    // The frame read from one value.
    const AnimFrame& frameOf(const std::string& value) {
        store.clear();
        load("F == " + value + "\n");
        return *store.get("F");
    }
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (auto walk = store.getIterator(); !walk->isDone(); walk->next()) {
            found.push_back(walk->currentItem().first);
        }
        return found;
    }

    const ScratchDir dir;
    SprSys::AnimFrameStore store;
};

const auto ABORTED = testing::KilledBySignal(SIGABRT);
const char* const FRAME_GETTOR = "GameHelper::{anonymous}::AnimFrameGettor::operator()";

TEST_F(AnimFrameLoaderTest, PiecesFillTheFieldsInOrderAndTheRestKeepDefaults) {
    struct Row {
        const char* value;
        AnimFrame frame;
    };
    const Row rows[] = {
        {"5", {5, 0, 0, AnimFrame::N, 0, 1.0f, 1.0f}},
        {"12, -3, 4, H", {12, -3, 4, AnimFrame::H, 0, 1.0f, 1.0f}},
        {"3,,4", {3, 4, 0, AnimFrame::N, 0, 1.0f, 1.0f}},
        {"1, 2, 3, HV, 90, 0.5, 2", {1, 2, 3, AnimFrame::HV, 90, 0.5f, 2.0f}},
        {"7,0,0, HV ,0,3", {7, 0, 0, AnimFrame::HV, 0, 3.0f, 1.0f}},
        {"2.5, 0x10, 12px, V, -32768", {2, 0, 12, AnimFrame::V, -32768, 1.0f, 1.0f}},
        {"-1 , , 1,", {4294967295u, 1, 0, AnimFrame::N, 0, 1.0f, 1.0f}},
    };
    for (const Row& row : rows) {
        const AnimFrame& frame = frameOf(row.value);
        const AnimFrame& want = row.frame;
        EXPECT_EQ(frame.frameIndex, want.frameIndex) << row.value;
        EXPECT_EQ(frame.offsetX, want.offsetX) << row.value;
        EXPECT_EQ(frame.offsetY, want.offsetY) << row.value;
        EXPECT_EQ(frame.orientation, want.orientation) << row.value;
        EXPECT_EQ(frame.angle, want.angle) << row.value;
        EXPECT_EQ(frame.scaleX, want.scaleX) << row.value;
        EXPECT_EQ(frame.scaleY, want.scaleY) << row.value;
    }
}

TEST_F(AnimFrameLoaderTest, KeysWithThePrefixAreLoadedUnderTheirWholeNamesAndFirstLoadWins) {
    load("GLF_B == 2\nGLF_A == 1\nGLF == 3\nglf_a == 4\n", "GLF_");
    EXPECT_EQ(names(), (std::vector<std::string>{"GLF_A", "GLF_B"}));
    AnimFrame* const first = store.get("GLF_A");
    CFG::getDefaultOverrides()->add("GLF_A", "9");
    load("GLF_A == 1\nGLF_C == 3\n", "GLF_");
    CFG::getDefaultOverrides()->add("GLF_A", "");
    EXPECT_EQ(store.get("GLF_A"), first);
    EXPECT_EQ(store.get("GLF_A")->frameIndex, 1u);
    EXPECT_EQ(names(), (std::vector<std::string>{"GLF_A", "GLF_B", "GLF_C"}));
    GameHelper::CFGHelper::populateAnimFrameStore(&store, dir.path("missing.cfg"), "");
    EXPECT_EQ(names().size(), 3u);
}

TEST_F(AnimFrameLoaderTest, AnOverrideReplacesTheFilesValue) {
    CFG::getDefaultOverrides()->add("F", "8, 1");
    load("F == 2\n");
    CFG::getDefaultOverrides()->add("F", "");
    EXPECT_EQ(store.get("F")->frameIndex, 8u);
    EXPECT_EQ(store.get("F")->offsetX, 1);
}

TEST_F(AnimFrameLoaderTest, WrongPieceCountsAbortWithTheFrameReport) {
    for (const std::string value : {"1,2,3,N,5,6,7,8", "", ", \t,,"}) {
        EXPECT_EXIT(load("F == " + value + "\n"), ABORTED,
                    helperReport(FRAME_GETTOR, "Expected 1-6 parts for AnimFrame: " + value))
            << value;
    }
}

TEST_F(AnimFrameLoaderTest, UnknownOrientationWordsAbort) {
    for (const char* const word : {"h", "X", "NH"}) {
        EXPECT_EXIT(load(std::string("F == 1, 0, 0, ") + word + "\n"), ABORTED,
                    helperReport("GameHelper::{anonymous}::getOrientation(",
                                 std::string("Unknown AnimFrame Orientation ") + word +
                                     ". Expect N,H,V,HV"))
            << word;
    }
}

TEST_F(AnimFrameLoaderTest, BadNumbersThrowFromTheLastBadPieceAndKeepEarlierFrames) {
    const std::string error =
        conversionError([this] { load("A == 1\nB == x, 1, y, N, z\nC == 3\n"); });
    EXPECT_EQ(error, "Cant convert String to Num:z");
    EXPECT_EQ(names(), std::vector<std::string>{"A"});
    EXPECT_EQ(conversionError([this] { load("D == 1, 40000\n"); }),
              "Cant convert String to Num:40000");
}

} // namespace
