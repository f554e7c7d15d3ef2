#include "GameHelper/CFGHelper.h"

#include "CFG/InfoParser.h"
#include "GameHelper/Pieces.h"
#include "GameHelper/PrefixLoader.h"
#include "SprSys/AnimFrameStore.h"
#include "Util/Abort.h"
#include "Util/StrToNum.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace GameHelper {

namespace {

SprSys::AnimFrame::Orientation getOrientation(const std::string& word) {
    using SprSys::AnimFrame;
    for (const AnimFrame::Orientation orientation :
         {AnimFrame::N, AnimFrame::H, AnimFrame::V, AnimFrame::HV}) {
        static const char* const WORDS[] = {"N", "H", "V", "HV"};
        if (word == WORDS[orientation]) {
            return orientation;
        }
    }
    UTIL_ABORT("Unknown AnimFrame Orientation " << word << ". Expect N,H,V,HV");
}

// Reads a frame from its text: 1 to 7 comma-separated pieces, each after the first optional.
class AnimFrameGettor : public CFG::InfoParser::ObjGettor<SprSys::AnimFrame*> {
public:
    // A new frame owned by the caller.
    SprSys::AnimFrame* operator()(const std::string& text) override {
        const std::vector<std::string> pieces = piecesOf(text, ",");
        if (pieces.empty() || pieces.size() > 7) {
            // Seven pieces are read, whatever the message says.
            UTIL_ABORT("Expected 1-6 parts for AnimFrame: " << text);
        }
        auto frame = std::make_unique<SprSys::AnimFrame>();
        // From the last piece to the first, so that of several bad pieces the last is reported.
        switch (pieces.size()) {
        case 7:
            frame->scaleY = Util::strToNum<float>(pieces[6], 10);
            [[fallthrough]];
        case 6:
            frame->scaleX = Util::strToNum<float>(pieces[5], 10);
            [[fallthrough]];
        case 5:
            frame->angle = Util::strToNum<short>(pieces[4], 10);
            [[fallthrough]];
        case 4:
            frame->orientation = getOrientation(pieces[3]);
            [[fallthrough]];
        case 3:
            frame->offsetY = Util::strToNum<short>(pieces[2], 10);
            [[fallthrough]];
        case 2:
            frame->offsetX = Util::strToNum<short>(pieces[1], 10);
            [[fallthrough]];
        default:
            frame->frameIndex = static_cast<std::uint32_t>(Util::strToNum<int>(pieces[0], 10));
        }
        return frame.release();
    }
};

} // namespace

void CFGHelper::populateAnimFrameStore(SprSys::AnimFrameStore* const store, const std::string& path,
                                       const std::string& prefix) {
    AnimFrameGettor gettor;
    populateByPrefix<SprSys::AnimFrame>(*store, path, prefix, gettor);
}

} // namespace GameHelper
