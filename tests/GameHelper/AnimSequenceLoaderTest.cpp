#include "GameHelperTesting.h"

#include "GameHelper/CFGHelper.h"
#include "SprSys/AnimFrameStore.h"
#include "SprSys/AnimSequenceStore.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using SprSys::AnimFrame;
using SprSys::AnimSequence;
using Texts = std::vector<std::string>;

class AnimSequenceLoaderTest : public testing::Test {
protected:
    AnimSequenceLoaderTest() {
        for (const char* const name : {"a", "b", "c"}) {
            frames.add(name, new AnimFrame{static_cast<std::uint32_t>(*name)});
        }
    }
    void load(const std::string& text) {
        GameHelper::CFGHelper::populateAnimSequenceStore(&store, dir.write("s.cfg", text), "",
                                                         &frames);
    }
    // Each step as "frames:int1:float1:float2:float3:int2", a frame written as the letter of
    // its index, the default frame as "@".
    static Texts stepsIn(const AnimSequence& sequence) {
        Texts steps;
        for (const SprSys::AnimSeqEntry& step : sequence) {
            std::ostringstream text;
            for (const AnimFrame* const frame : step.frames) {
                text << (frame->frameIndex == 0 ? '@' : static_cast<char>(frame->frameIndex));
            }
            text << ':' << step.intParam1 << ':' << step.floatParam1 << ':' << step.floatParam2
                 << ':' << step.floatParam3 << ':' << step.intParam2;
            steps.push_back(text.str());
        }
        return steps;
    }

    const ScratchDir dir;
    SprSys::AnimFrameStore frames;
    SprSys::AnimSequenceStore store;
};

TEST_F(AnimSequenceLoaderTest, EntriesFieldsAndNamesAreSplitTrimmedAndDroppedWhenEmpty) {
    const std::pair<const char*, Texts> rows[] = {
        {"a b : 100", {"ab:100:0:0:0:0"}},
        {"a b:1, c:50:1.5:0:0:3", {"ab:1:0:0:0:0", "c:50:1.5:0:0:3"}},
        {"a :: 100", {"a:100:0:0:0:0"}},
        {",, c  a:1:2:3:4 ,", {"ca:1:2:3:4:0"}},
        {"a\tb:7px, x:2.5:2.5:0x10:-1:0x10", {"@:7:0:0:0:0", "@:2:2.5:0:-1:0"}},
        {"", {}},
        {" , ,", {}},
    };
    for (const auto& [value, steps] : rows) {
        store.clear();
        load("S == " + std::string(value) + "\n");
        EXPECT_EQ(stepsIn(*store.get("S")), steps) << value;
        EXPECT_TRUE(store.exists("S")) << value;
    }
    // A name never stored gives the shared default sequence, a step showing a default frame.
    EXPECT_FALSE(store.exists("missing"));
    EXPECT_EQ(store.get("missing"), SprSys::AnimSequenceStore().get("other"));
    EXPECT_EQ(store.add("D", store.get("missing")), store.get("missing"));
    EXPECT_FALSE(store.exists("D"));
    EXPECT_EQ(stepsIn(*store.get("D")), Texts{"@:0:0:0:0:0"});
}

TEST_F(AnimSequenceLoaderTest, WrongFieldCountsAbortNamingSixAndBadNumbersThrowInOrder) {
    for (const std::string entry : {"a", "a:1:2", "a:1:2:3", "a:1:2:3:4:5:6", ":"}) {
        EXPECT_ABORT_REPORT(load("S == c:1, " + entry + "\n"),
                            "GameHelper::{anonymous}::AnimSequenceGettor::operator()",
                            "Expected 6 fields for AnimSeqEntry: " + entry)
            << entry;
    }
    EXPECT_EQ(conversionError([this] { load("A == a:1\nB == a:x, b\nC == c:3\n"); }),
              "Cant convert String to Num:x");
    EXPECT_EQ(namesIn(store), Texts{"A"});
    EXPECT_EQ(conversionError([this] { load("D == a:1:2:y:4\n"); }),
              "Cant convert String to Num:y");
}

} // namespace
