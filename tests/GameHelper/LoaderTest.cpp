#include "CFG/GlobalConfig.h"
#include "Fluid/MPM/Liquid.h"
#include "GameHelper/CFGHelper.h"
#include "SprSys/AnimFrameStore.h"
#include "SprSys/AnimSeqMapStoreIterator.h"
#include "SprSys/AnimSeqMappingStores.h"
#include "SprSys/AnimSequenceStore.h"
#include "Support/AbortReport.h"
#include "Support/ScratchDir.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

namespace {

using GameHelper::CFGHelper;
using SprSys::AnimFrame;

// Frames a, b and c of the indices of their letters; sequences walk, run, jump and run:2.
class LoaderTest : public testing::Test {
public:
    LoaderTest() {
        loadFrames("a == 97\nb == 98\nc == 99\n");
        for (const char* const name : {"walk", "run", "jump", "run:2"}) {
            names[sequences.add(name, new SprSys::AnimSequence)] = name;
        }
    }
    void loadFrames(const std::string& text, const std::string& prefix = "") {
        CFGHelper::populateAnimFrameStore(&frames, dir.write("f.cfg", text), prefix);
    }
    // The index of a frame in the store; 0 for a name it does not hold.
    std::uint32_t index(const char* const name) const { return frames.get(name)->frameIndex; }
    // What each loader makes of the value of one key, as text. A frame: its fields in order.
    std::string frame(const std::string& value) {
        SprSys::AnimFrameStore store;
        CFGHelper::populateAnimFrameStore(&store, dir.write("f.cfg", "F == " + value), "");
        const AnimFrame& f = *store.get("F");
        std::ostringstream out;
        out << f.frameIndex << ',' << f.offsetX << ',' << f.offsetY << ',' << f.orientation << ','
            << f.angle << ',' << f.scaleX << ',' << f.scaleY;
        return out.str();
    }
    // A sequence: its steps "frames:int1:float1:float2:float3:int2|...", a frame written as the
    // letter of its index, the default frame as "@".
    std::string steps(const std::string& text) {
        SprSys::AnimSequenceStore loaded;
        CFGHelper::populateAnimSequenceStore(&loaded, dir.write("s.cfg", "S == " + text), "",
                                             &frames);
        std::ostringstream out;
        for (const SprSys::AnimSeqEntry& step : *loaded.get("S")) {
            out << (out.tellp() == 0 ? "" : "|");
            for (const AnimFrame* const f : step.frames) {
                out << (f->frameIndex == 0 ? '@' : static_cast<char>(f->frameIndex));
            }
            out << ':' << step.intParam1 << ':' << step.floatParam1 << ':' << step.floatParam2
                << ':' << step.floatParam3 << ':' << step.intParam2;
        }
        return out.str();
    }
    // A map store: its mappings "from:key=>to|...", in the store's order.
    std::string mappings(const std::string& text) {
        SprSys::AnimSeqMappingStores stores;
        CFGHelper::populateAnimSeqMappingStores(&stores, dir.write("m.cfg", "M == " + text), "",
                                                &sequences);
        std::string found;
        for (auto it = stores.get("M")->getIterator(); !it->isDone(); it->next()) {
            const auto [key, to] = it->currentItem();
            found += (found.empty() ? "" : "|") + names[key.first] + ":" +
                     std::to_string(key.second) + "=>" + names[to];
        }
        return found;
    }

    const ScratchDir dir;
    SprSys::AnimFrameStore frames;
    SprSys::AnimSequenceStore sequences;
    std::map<const SprSys::AnimSequence*, std::string> names;
};

// Pieces are trimmed and empty ones dropped; the fields a value leaves out keep their defaults.
TEST_F(LoaderTest, ValuesFillTheFieldsInOrderFromTrimmedPieces) {
    const std::tuple<std::string (LoaderTest::*)(const std::string&), const char*, const char*>
        rows[] = {
            // Frames: index, offsets, orientation (N 0, H 1, V 2, HV 3), angle, scales.
            {&LoaderTest::frame, "3,,4", "3,4,0,0,0,1,1"},
            {&LoaderTest::frame, "1, 2, 3, HV, 90, 0.5, 2", "1,2,3,3,90,0.5,2"},
            {&LoaderTest::frame, "7,0,0, H ,0,3", "7,0,0,1,0,3,1"},
            {&LoaderTest::frame, "2.5, 0x10, 12px, V, -32768", "2,0,12,2,-32768,1,1"},
            {&LoaderTest::frame, "-1 , , 1,", "4294967295,1,0,0,0,1,1"},
            // Sequences: steps of 2, 5 or 6 fields; a blank value gives a sequence without steps.
            {&LoaderTest::steps, "a b:1, c:50:1.5:0:0:3", "ab:1:0:0:0:0|c:50:1.5:0:0:3"},
            {&LoaderTest::steps, ",, c  a:1:2:3:4 ,", "ca:1:2:3:4:0"},
            {&LoaderTest::steps, "a\tb:7px, x:2.5:2.5:0x10:-1:0x10", "@:7:0:0:0:0|@:2:2.5:0:-1:0"},
            {&LoaderTest::steps, "", ""},
            // Mappings: the key is optional (-1), and a later one replaces an earlier one.
            {&LoaderTest::mappings, " walk : 3 => run ", "walk:3=>run"},
            {&LoaderTest::mappings, "walk:=>run", "walk:-1=>run"},
            {&LoaderTest::mappings, "walk:-2:9=>run=>jump", "walk:-2=>run"},
            {&LoaderTest::mappings, "walk:0x10=>run:2", "walk:0=>run:2"},
            {&LoaderTest::mappings, "walk:5=>run,,walk:2=>jump, walk=>run, walk:-1=>jump",
             "walk:-1=>jump|walk:2=>jump|walk:5=>run"},
        };
    for (const auto& [load, value, want] : rows) {
        EXPECT_EQ((this->*load)(value), want) << value;
    }
}

TEST_F(LoaderTest, KeysWithThePrefixLoadUnderTheirWholeNamesOverridesFirst) {
    // Keys only the overrides hold are not loaded; a taken name keeps its first object.
    CFG::getDefaultOverrides()->add("GLF_B", "8");
    CFG::getDefaultOverrides()->add("GLF_Z", "9");
    loadFrames("GLF_B == 2\nGLF_A == 1\nGLF == 3\nglf_a == 4\n", "GLF_");
    CFG::getDefaultOverrides()->reset();
    loadFrames("GLF_A == 9\nGLF_C == 3\n", "GLF_");
    EXPECT_EQ(std::make_tuple(index("GLF_A"), index("GLF_B"), index("GLF_C")),
              std::make_tuple(1u, 8u, 3u));
    EXPECT_EQ(index("GLF") + index("glf_a") + index("GLF_Z"), 0u);
}

// A bad number throws, leaving what earlier keys loaded; a mapping's key is read before its
// names are looked up, and of two unknown names the from-name is reported.
TEST_F(LoaderTest, MalformedValuesAbortAndBadNumbersThrowInReadingOrder) {
    using Load = std::string (LoaderTest::*)(const std::string&);
    const char* const frameGettor = "GameHelper::{anonymous}::AnimFrameGettor::operator()";
    const char* const sequenceGettor = "GameHelper::{anonymous}::AnimSequenceGettor::operator()";
    const char* const mappingGettor = "GameHelper::{anonymous}::AnimSeqMapStoreGettor::operator()";
    // Loader, value, reporting function, message.
    const std::tuple<Load, const char*, const char*, const char*> aborts[] = {
        {&LoaderTest::frame, "1,2,3,N,5,6,7,8", frameGettor,
         "Expected 1-6 parts for AnimFrame: 1,2,3,N,5,6,7,8"},
        {&LoaderTest::frame, " , ,", frameGettor, "Expected 1-6 parts for AnimFrame: , ,"},
        {&LoaderTest::frame, "1, 0, 0, h", "GameHelper::{anonymous}::getOrientation(",
         "Unknown AnimFrame Orientation h. Expect N,H,V,HV"},
        {&LoaderTest::steps, "c:1, a:1:2:3:4:5:6", sequenceGettor,
         "Expected 6 fields for AnimSeqEntry: a:1:2:3:4:5:6"},
        {&LoaderTest::steps, "c:1, a", sequenceGettor, "Expected 6 fields for AnimSeqEntry: a"},
        {&LoaderTest::steps, "a:1:2:3", sequenceGettor,
         "Expected 6 fields for AnimSeqEntry: a:1:2:3"},
        {&LoaderTest::mappings, "jump=>run, :=>run", mappingGettor,
         "Expected <seqFrom> => <seqTo> fields for AnimSeqMapping entry: :=>run"},
        {&LoaderTest::mappings, "jump=>run, walk", mappingGettor,
         "Expected <seqFrom> => <seqTo> fields for AnimSeqMapping entry: walk"},
        {&LoaderTest::mappings, "jump=>run, walk=>nope", mappingGettor,
         "Sequence (nope) not found for AnimSeqMapping: walk=>nope"},
        {&LoaderTest::mappings, "nope=>nada", mappingGettor,
         "Sequence (nope) not found for AnimSeqMapping: nope=>nada"},
    };
    for (const auto& [load, value, function, message] : aborts) {
        EXPECT_ABORT_REPORT((this->*load)(value), function, message) << value;
    }
    // An offset outside 16 bits, a key that is no number.
    const std::pair<Load, const char*> throws[] = {{&LoaderTest::frame, "1, 40000"},
                                                   {&LoaderTest::mappings, "nope:x=>nada"}};
    for (const auto& [load, value] : throws) {
        EXPECT_THROW((this->*load)(value), std::domain_error) << value;
    }
    EXPECT_THROW(loadFrames("A == 1\nB == 1, x\nC == 3\n"), std::domain_error);
    EXPECT_EQ(index("A") + index("C"), 1u);
}

// A key that names no property is not read, nor are absent or empty ones. Text that is no
// number throws, leaving the properties of lower ids set.
TEST(LiquidLoaderTest, ReadsThePrefixedNamesInIdOrderAndLeavesAbsentOrEmptyKeysAlone) {
    const std::uint32_t tile = 0;
    const Map::TileMap map{&tile, 1, 1, 0, 0};
    Fluid::MPM::Liquid liquid(&map, nullptr, 2, 1.0f, Fluid::MPM::Liquid::TILE_MAP, nullptr);
    const Fluid::MPM::Liquid::Handle handle = liquid.createLiquid(true, 0, 1);
    CFG::global()->add("WATER_VISCOSITY", "0.3");
    CFG::global()->add("WATER_STIFFNESS", "");
    CFG::global()->add("WATER_INVALID", "x");
    CFG::getDefaultOverrides()->add("WATER_YIELD_RATE", "0.25");
    CFGHelper::setLiquidProperties("WATER", &liquid, handle);
    const float expected[] = {2.0f, 0, 1.0f, 1.0f, 0, 0.3f, 0.25f, 0, 0, 0, 1.0f, 0};
    for (int id = 0; id < Fluid::MPM::NUM_PROPERTIES; ++id) {
        EXPECT_EQ(liquid.getProperty(handle, id), expected[id]) << id;
    }
    CFG::global()->add("WATER_DENSITY", "4");
    CFG::global()->add("WATER_STIFFNESS", "stiff");
    EXPECT_THROW(CFGHelper::setLiquidProperties("WATER", &liquid, handle), std::domain_error);
    EXPECT_EQ(liquid.getProperty(handle, Fluid::MPM::DENSITY), 4.0f);
    CFG::global()->reset();
    CFG::getDefaultOverrides()->reset();
}

} // namespace
