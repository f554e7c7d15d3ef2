#include "GameHelperTesting.h"

#include "GameHelper/CFGHelper.h"
#include "SprSys/AnimFrameStore.h"
#include "SprSys/AnimSequenceStore.h"
#include "SprSys/AnimSequenceStoreIterator.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

namespace {

using SprSys::AnimFrame;
using SprSys::AnimSequence;

class AnimSequenceLoaderTest : public testing::Test {
protected:
    AnimSequenceLoaderTest() {
        for (const char* const name : {"a", "b", "c"}) {
            frames.add(name, new AnimFrame);
        }
    }
    void load(const std::string& text, const std::string& prefix = "") {
        GameHelper::CFGHelper::populateAnimSequenceStore(&store, dir.write("seq.cfg", text), prefix,
                                                         &frames);
    }
    const AnimSequence& sequenceOf(const std::string& value) {
        store.clear();
        load("S == " + value + "\n");
        return *store.get("S");
    }
    // A step written back as "frames:int1:float1:float2:float3:int2", frames by their names.
    std::string stepText(const SprSys::AnimSeqEntry& step) const {
        std::string text;
        for (const AnimFrame* const frame : step.frames) {
            text += frame == frames.get("a")   ? "a"
                    : frame == frames.get("b") ? "b"
                    : frame == frames.get("c") ? "c"
                                               : "?";
        }
        return text + ":" + std::to_string(step.intParam1) + ":" +
               std::to_string(step.floatParam1) + ":" + std::to_string(step.floatParam2) + ":" +
               std::to_string(step.floatParam3) + ":" + std::to_string(step.intParam2);
    }

    const ScratchDir dir;
    SprSys::AnimFrameStore frames;
    SprSys::AnimSequenceStore store;
};

const auto ABORTED = testing::KilledBySignal(SIGABRT);

TEST_F(AnimSequenceLoaderTest, EntriesFieldsAndNamesAreSplitTrimmedAndDroppedWhenEmpty) {
    struct Row {
        const char* value;
        std::vector<std::string> steps;
    };
    const Row rows[] = {
        {"a b : 100", {"ab:100:0.000000:0.000000:0.000000:0"}},
        {"a b:100, c:50:1.5:0:0:3",
         {"ab:100:0.000000:0.000000:0.000000:0", "c:50:1.500000:0.000000:0.000000:3"}},
        {"a :: 100", {"a:100:0.000000:0.000000:0.000000:0"}},
        {",, c  a:1:2:3:4 ,", {"ca:1:2.000000:3.000000:4.000000:0"}},
        {"a\tb:7px, x:2.5:2.5:0x10:-1:0x10",
         {"?:7:0.000000:0.000000:0.000000:0", "?:2:2.500000:0.000000:-1.000000:0"}},
    };
    for (const Row& row : rows) {
        const AnimSequence& sequence = sequenceOf(row.value);
        std::vector<std::string> steps;
        for (const SprSys::AnimSeqEntry& step : sequence) {
            steps.push_back(stepText(step));
        }
        EXPECT_EQ(steps, row.steps) << row.value;
    }
    EXPECT_EQ(sequenceOf("x:1")[0].frames[0], frames.get("x"));
}

TEST_F(AnimSequenceLoaderTest, ABlankValueStoresASequenceWithoutSteps) {
    load("EMPTY ==\nCOMMAS == , ,\n");
    for (const char* const name : {"EMPTY", "COMMAS"}) {
        EXPECT_TRUE(store.exists(name)) << name;
        EXPECT_TRUE(store.get(name)->empty()) << name;
    }
}

TEST_F(AnimSequenceLoaderTest, KeysWithThePrefixAreLoadedUnderTheirWholeNamesAndFirstLoadWins) {
    load("ANIM_WALK == a:1\nANIM_RUN == b:2\nANIM == c:3\nanim_walk == c:4\n", "ANIM_");
    const AnimSequence* const walk = store.get("ANIM_WALK");
    load("ANIM_WALK == c:9\nANIM_JUMP == c:5\n", "ANIM_");
    std::vector<std::string> names;
    for (auto it = store.getIterator(); !it->isDone(); it->next()) {
        names.push_back(it->currentItem().first);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"ANIM_JUMP", "ANIM_RUN", "ANIM_WALK"}));
    EXPECT_EQ(store.get("ANIM_WALK"), walk);
    EXPECT_EQ(walk->front().intParam1, 1);
}

TEST_F(AnimSequenceLoaderTest, WrongFieldCountsAbortNamingSixFields) {
    for (const std::string entry : {"a", "a:1:2", "a:1:2:3", "a:1:2:3:4:5:6", ":"}) {
        EXPECT_EXIT(load("S == c:1, " + entry + "\n"), ABORTED,
                    helperReport("GameHelper::{anonymous}::AnimSequenceGettor::operator()",
                                 "Expected 6 fields for AnimSeqEntry: " + entry))
            << entry;
    }
}

TEST_F(AnimSequenceLoaderTest, BadNumbersThrowInEntryOrderAndKeepEarlierSequences) {
    EXPECT_EQ(conversionError([this] { load("A == a:1\nB == a:x, b\nC == c:3\n"); }),
              "Cant convert String to Num:x");
    EXPECT_TRUE(store.exists("A"));
    EXPECT_FALSE(store.exists("B"));
    EXPECT_EQ(conversionError([this] { load("D == a:1:2:y:4\n"); }),
              "Cant convert String to Num:y");
}

} // namespace
