#include "../CFG/CFGTesting.h"
#include "CFG/GlobalConfig.h"
#include "Fluid/MPM/Liquid.h"
#include "GameHelper/CFGHelper.h"
#include "GameHelper/Liquid/CFGHelperLiquid.h"
#include "SprSys/AnimFrameStore.h"
#include "SprSys/AnimSeqMapStoreIterator.h"
#include "SprSys/AnimSeqMappingStores.h"
#include "SprSys/AnimSequenceStore.h"
#include "Support/AbortReport.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using GameHelper::CFGHelper;
using GameHelper::CFGHelperLiquid;
using SprSys::AnimFrame;
using Texts = std::vector<std::string>;

class LoaderTest : public testing::Test {
protected:
    LoaderTest() {
        for (const char* const name : {"a", "b", "c"}) {
            frames.add(name, new AnimFrame{static_cast<std::uint32_t>(*name)});
        }
        for (const char* const name : {"walk", "run", "jump", "run:2"}) {
            names[sequences.add(name, new SprSys::AnimSequence)] = name;
        }
    }
    // The names a store holds, in the order its iterator walks them.
    template <typename Store>
    static Texts namesIn(const Store& store) {
        Texts found;
        for (auto walk = store.getIterator(); !walk->isDone(); walk->next()) {
            found.push_back(walk->currentItem().first);
        }
        return found;
    }
    // Each step of sequence S as "frames:int1:float1:float2:float3:int2", a frame written as
    // the letter of its index, the default frame as "@".
    Texts steps(const std::string& text) {
        loaded.clear();
        CFGHelper::populateAnimSequenceStore(&loaded, dir.write("s.cfg", text), "", &frames);
        Texts found;
        for (const SprSys::AnimSeqEntry& step : *loaded.get("S")) {
            std::ostringstream out;
            for (const AnimFrame* const frame : step.frames) {
                out << (frame->frameIndex == 0 ? '@' : static_cast<char>(frame->frameIndex));
            }
            out << ':' << step.intParam1 << ':' << step.floatParam1 << ':' << step.floatParam2
                << ':' << step.floatParam3 << ':' << step.intParam2;
            found.push_back(out.str());
        }
        return found;
    }
    // The mappings of map store M as "from:key=>to|...", in the store's order.
    std::string mappings(const std::string& text) {
        stores.clear();
        CFGHelper::populateAnimSeqMappingStores(&stores, dir.write("m.cfg", text), "", &sequences);
        std::string found;
        for (auto it = stores.get("M")->getIterator(); !it->isDone(); it->next()) {
            const auto [key, to] = it->currentItem();
            found += (found.empty() ? "" : "|") + names[key.first] + ":" +
                     std::to_string(key.second) + "=>" + names[to];
        }
        return found;
    }
    void loadFrames(const std::string& text, const std::string& prefix = "") {
        CFGHelper::populateAnimFrameStore(&frames, dir.write("f.cfg", text), prefix);
    }

    const ScratchDir dir;
    SprSys::AnimFrameStore frames;
    SprSys::AnimSequenceStore sequences, loaded;
    std::map<const SprSys::AnimSequence*, std::string> names;
    SprSys::AnimSeqMappingStores stores;
};

TEST_F(LoaderTest, FramePiecesFillTheFieldsInOrderTheRestKeepDefaults) {
    const std::pair<const char*, AnimFrame> rows[] = {
        {"3,,4", {3, 4, 0, AnimFrame::N, 0, 1.0f, 1.0f}},
        {"1, 2, 3, HV, 90, 0.5, 2", {1, 2, 3, AnimFrame::HV, 90, 0.5f, 2.0f}},
        {"7,0,0, H ,0,3", {7, 0, 0, AnimFrame::H, 0, 3.0f, 1.0f}},
        {"2.5, 0x10, 12px, V, -32768", {2, 0, 12, AnimFrame::V, -32768, 1.0f, 1.0f}},
        {"-1 , , 1,", {4294967295u, 1, 0, AnimFrame::N, 0, 1.0f, 1.0f}},
    };
    const auto fields = [](const AnimFrame& f) {
        return std::make_tuple(f.frameIndex, f.offsetX, f.offsetY, f.orientation, f.angle, f.scaleX,
                               f.scaleY);
    };
    for (const auto& [value, want] : rows) {
        frames.clear();
        loadFrames(std::string("F == ") + value + "\n");
        EXPECT_EQ(fields(*frames.get("F")), fields(want)) << value;
    }
}

TEST_F(LoaderTest, KeysWithThePrefixLoadUnderTheirWholeNamesOverridesFirst) {
    // Keys only the overrides hold are not loaded; a taken name keeps its first object.
    CFG::getDefaultOverrides()->add("GLF_B", "8");
    CFG::getDefaultOverrides()->add("GLF_Z", "9");
    loadFrames("GLF_B == 2\nGLF_A == 1\nGLF == 3\nglf_a == 4\n", "GLF_");
    CFG::getDefaultOverrides()->reset();
    EXPECT_EQ(frames.get("GLF_B")->frameIndex, 8u);
    loadFrames("GLF_A == 9\nGLF_C == 3\n", "GLF_");
    EXPECT_EQ(frames.get("GLF_A")->frameIndex, 1u);
    EXPECT_EQ(namesIn(frames), (Texts{"GLF_A", "GLF_B", "GLF_C", "a", "b", "c"}));
}

TEST_F(LoaderTest, SequenceStepsAreSplitTrimmedAndDroppedWhenEmpty) {
    EXPECT_EQ(steps("S == a b:1, c:50:1.5:0:0:3\n"), (Texts{"ab:1:0:0:0:0", "c:50:1.5:0:0:3"}));
    EXPECT_EQ(steps("S == ,, c  a:1:2:3:4 ,\n"), Texts{"ca:1:2:3:4:0"});
    EXPECT_EQ(steps("S == a\tb:7px, x:2.5:2.5:0x10:-1:0x10\n"),
              (Texts{"@:7:0:0:0:0", "@:2:2.5:0:-1:0"}));
    EXPECT_EQ(steps("S == \n"), Texts{});
}

TEST_F(LoaderTest, MappingsGiveFromNameOptionalKeyAndToNameLaterReplacingEarlier) {
    const std::pair<const char*, const char*> rows[] = {
        {" walk : 3 => run ", "walk:3=>run"},
        {"walk:=>run", "walk:-1=>run"},
        {"walk:-2:9=>run=>jump", "walk:-2=>run"},
        {"walk:0x10=>run:2", "walk:0=>run:2"},
        {"walk:5=>run,,walk:2=>jump, walk=>run, walk:-1=>jump",
         "walk:-1=>jump|walk:2=>jump|walk:5=>run"},
        {" , ,", ""}};
    for (const auto& [value, want] : rows) {
        EXPECT_EQ(mappings(std::string("M == ") + value + "\n"), want) << value;
    }
}

TEST_F(LoaderTest, MalformedValuesAbortAndBadNumbersThrowInReadingOrder) {
    for (const std::string value : {"1,2,3,N,5,6,7,8", ""}) {
        EXPECT_ABORT_REPORT(loadFrames("F == " + value + "\n"),
                            "GameHelper::{anonymous}::AnimFrameGettor::operator()",
                            "Expected 1-6 parts for AnimFrame: " + value);
    }
    EXPECT_ABORT_REPORT(loadFrames("F == 1, 0, 0, h\n"), "GameHelper::{anonymous}::getOrientation(",
                        "Unknown AnimFrame Orientation h. Expect N,H,V,HV");
    for (const std::string entry : {"a", "a:1:2:3", "a:1:2:3:4:5:6"}) {
        EXPECT_ABORT_REPORT(steps("S == c:1, " + entry + "\n"),
                            "GameHelper::{anonymous}::AnimSequenceGettor::operator()",
                            "Expected 6 fields for AnimSeqEntry: " + entry);
    }
    const std::string malformed = "Expected <seqFrom> => <seqTo> fields for AnimSeqMapping entry: ";
    const std::pair<const char*, std::string> rows[] = {
        {"walk", malformed + "walk"},
        {":=>run", malformed + ":=>run"},
        {"nope=>nada", "Sequence (nope) not found for AnimSeqMapping: nope=>nada"},
        {"walk=>nope", "Sequence (nope) not found for AnimSeqMapping: walk=>nope"}};
    for (const auto& [entry, message] : rows) {
        EXPECT_ABORT_REPORT(mappings(std::string("M == jump=>run, ") + entry + "\n"),
                            "GameHelper::{anonymous}::AnimSeqMapStoreGettor::operator()", message);
    }
    const std::pair<std::function<void()>, const char*> throwers[] = {
        {[this] { loadFrames("A == 1\nB == x, 1, y, N, z\nC == 3\n"); }, "z"},
        {[this] { loadFrames("D == 1, 40000\n"); }, "40000"},
        {[this] { steps("S == a:1:2:y:z\n"); }, "y"},
        {[this] { steps("A == a:1\nB == a:x, b\nS == c:3\n"); }, "x"},
        {[this] { mappings("M == nope:x=>nada\n"); }, "x"}};
    for (const auto& [load, piece] : throwers) {
        EXPECT_EQ(conversionError(load), std::string("Cant convert String to Num:") + piece);
    }
    EXPECT_EQ(namesIn(frames), (Texts{"A", "a", "b", "c"}));
    EXPECT_EQ(namesIn(loaded), Texts{"A"});
}

TEST(LiquidLoaderTest, ReadsThePrefixedNamesInIdOrderAndLeavesAbsentOrEmptyKeysAlone) {
    const std::uint32_t tile = 0;
    const Map::TileMap map{&tile, 1, 1, 0, 0};
    Fluid::MPM::Liquid liquid(&map, nullptr, 2, 1.0f, Fluid::MPM::Liquid::TILE_MAP, nullptr);
    const Fluid::MPM::Liquid::Handle handle = liquid.createLiquid(true, 0, 1);
    for (const auto& [key, value] : {std::pair("WATER_VISCOSITY", "0.3"),
                                     {"WATER_GRAVITY_Y", "-0.2"},
                                     {"WATER_STIFFNESS", ""},
                                     {"water_DENSITY", "5"},
                                     {"WATER_BOUNCE_FORCE", "7.5 tiles"}}) {
        CFG::global()->add(key, value);
    }
    CFG::getDefaultOverrides()->add("WATER_YIELD_RATE", "0.25");
    CFGHelperLiquid::setLiquidProperties("WATER", &liquid, handle);
    const float expected[] = {2.0f, 0, 1.0f, 1.0f, 0, 0.3f, 0.25f, 0, -0.05f, 0, 7.5f, 0};
    for (int id = 0; id < Fluid::MPM::NUM_PROPERTIES; ++id) {
        EXPECT_EQ(liquid.getProperty(handle, id), expected[id]) << id;
    }
    // Text that is no number throws, leaving the properties of lower ids set.
    CFG::global()->add("WATER_DENSITY", "4");
    CFG::global()->add("WATER_STIFFNESS", "stiff");
    EXPECT_THROW(CFGHelperLiquid::setLiquidProperties("WATER", &liquid, handle), std::domain_error);
    EXPECT_EQ(liquid.getProperty(handle, Fluid::MPM::DENSITY), 4.0f);
    CFG::global()->reset();
    CFG::getDefaultOverrides()->reset();
}

} // namespace
