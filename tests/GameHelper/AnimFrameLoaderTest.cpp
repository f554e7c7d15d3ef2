#include "GameHelperTesting.h"

#include "CFG/GlobalConfig.h"
#include "GameHelper/CFGHelper.h"
#include "SprSys/AnimFrameStore.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using SprSys::AnimFrame;
using Names = std::vector<std::string>;

auto fieldsOf(const AnimFrame& frame) {
    return std::make_tuple(frame.frameIndex, frame.offsetX, frame.offsetY, frame.orientation,
                           frame.angle, frame.scaleX, frame.scaleY);
}

class AnimFrameLoaderTest : public testing::Test {
protected:
    void load(const std::string& text, const std::string& prefix = "") {
        GameHelper::CFGHelper::populateAnimFrameStore(&store, dir.write("f.cfg", text), prefix);
    }

    const ScratchDir dir;
    SprSys::AnimFrameStore store;
};

TEST_F(AnimFrameLoaderTest, PiecesFillTheFieldsInOrderAndTheRestKeepDefaults) {
    const struct {
        const char* value;
        AnimFrame frame;
    } rows[] = {
        {"5", {5, 0, 0, AnimFrame::N, 0, 1.0f, 1.0f}},
        {"12, -3, 4, H", {12, -3, 4, AnimFrame::H, 0, 1.0f, 1.0f}},
        {"3,,4", {3, 4, 0, AnimFrame::N, 0, 1.0f, 1.0f}},
        {"1, 2, 3, HV, 90, 0.5, 2", {1, 2, 3, AnimFrame::HV, 90, 0.5f, 2.0f}},
        {"7,0,0, HV ,0,3", {7, 0, 0, AnimFrame::HV, 0, 3.0f, 1.0f}},
        {"2.5, 0x10, 12px, V, -32768", {2, 0, 12, AnimFrame::V, -32768, 1.0f, 1.0f}},
        {"-1 , , 1,", {4294967295u, 1, 0, AnimFrame::N, 0, 1.0f, 1.0f}},
    };
    for (const auto& [value, want] : rows) {
        store.clear();
        load(std::string("F == ") + value + "\n");
        EXPECT_EQ(fieldsOf(*store.get("F")), fieldsOf(want)) << value;
    }
}

TEST_F(AnimFrameLoaderTest, KeysWithThePrefixLoadUnderTheirWholeNamesOverridesFirst) {
    // Keys only the overrides hold are not loaded.
    CFG::getDefaultOverrides()->add("GLF_B", "8");
    CFG::getDefaultOverrides()->add("GLF_Z", "9");
    load("GLF_B == 2\nGLF_A == 1\nGLF == 3\nglf_a == 4\n", "GLF_");
    CFG::getDefaultOverrides()->add("GLF_B", "");
    CFG::getDefaultOverrides()->add("GLF_Z", "");
    EXPECT_EQ(namesIn(store), (Names{"GLF_A", "GLF_B"}));
    EXPECT_EQ(store.get("GLF_B")->frameIndex, 8u);
    AnimFrame* const first = store.get("GLF_A");
    load("GLF_A == 9\nGLF_C == 3\n", "GLF_");
    EXPECT_EQ(store.get("GLF_A"), first);
    EXPECT_EQ(first->frameIndex, 1u);
    GameHelper::CFGHelper::populateAnimFrameStore(&store, dir.path("missing.cfg"), "");
    EXPECT_EQ(namesIn(store), (Names{"GLF_A", "GLF_B", "GLF_C"}));
}

TEST_F(AnimFrameLoaderTest, MalformedValuesAbortAndBadNumbersThrowFromTheLastBadPiece) {
    EXPECT_EQ(conversionError([this] { load("A == 1\nB == x, 1, y, N, z\nC == 3\n"); }),
              "Cant convert String to Num:z");
    EXPECT_EQ(namesIn(store), Names{"A"});
    EXPECT_EQ(conversionError([this] { load("D == 1, 40000\n"); }),
              "Cant convert String to Num:40000");
    for (const std::string value : {"1,2,3,N,5,6,7,8", "", ", \t,,"}) {
        EXPECT_ABORT_REPORT(load("F == " + value + "\n"),
                            "GameHelper::{anonymous}::AnimFrameGettor::operator()",
                            "Expected 1-6 parts for AnimFrame: " + value)
            << value;
    }
    for (const std::string word : {"h", "X", "NH"}) {
        EXPECT_ABORT_REPORT(load("F == 1, 0, 0, " + word + "\n"),
                            "GameHelper::{anonymous}::getOrientation(",
                            "Unknown AnimFrame Orientation " + word + ". Expect N,H,V,HV")
            << word;
    }
}

} // namespace
