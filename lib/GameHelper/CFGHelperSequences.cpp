#include "GameHelper/CFGHelper.h"

#include "CFG/InfoParser.h"
#include "GameHelper/Pieces.h"
#include "GameHelper/PrefixLoader.h"
#include "SprSys/AnimFrameStore.h"
#include "SprSys/AnimSequenceStore.h"
#include "Util/Abort.h"
#include "Util/StrToNum.h"

#include <memory>
#include <string>
#include <vector>

namespace GameHelper {

namespace {

// Reads a sequence from its text: steps separated by ",", each of 2, 5 or 6 fields separated
// by ":": frame names separated by spaces, intParam1, then optionally the three floats, then
// optionally intParam2. Frame names are looked up in a frame store, a missing one giving its
// default frame.
class AnimSequenceGettor : public CFG::InfoParser::ObjGettor<SprSys::AnimSequence*> {
public:
    explicit AnimSequenceGettor(const SprSys::AnimFrameStore* const frames) : m_frames(frames) {}

    // A new sequence owned by the caller; a blank text gives one without steps.
    SprSys::AnimSequence* operator()(const std::string& text) override {
        auto sequence = std::make_unique<SprSys::AnimSequence>();
        for (const std::string& entry : piecesOf(text, ",")) {
            const std::vector<std::string> fields = piecesOf(entry, ":");
            if (fields.size() != 2 && fields.size() != 5 && fields.size() != 6) {
                // Names 6 whichever count was wanted.
                UTIL_ABORT("Expected " << 6 << " fields for AnimSeqEntry: " << entry);
            }
            sequence->push_back(stepOf(fields));
        }
        return sequence.release();
    }

private:
    SprSys::AnimSeqEntry stepOf(const std::vector<std::string>& fields) const {
        SprSys::AnimSeqEntry step;
        for (const std::string& name : piecesOf(fields[0], " ")) {
            step.frames.push_back(m_frames->get(name));
        }
        step.intParam1 = Util::strToNum<int>(fields[1], 10);
        if (fields.size() >= 5) {
            step.floatParam1 = Util::strToNum<float>(fields[2], 10);
            step.floatParam2 = Util::strToNum<float>(fields[3], 10);
            step.floatParam3 = Util::strToNum<float>(fields[4], 10);
        }
        if (fields.size() == 6) {
            step.intParam2 = Util::strToNum<int>(fields[5], 10);
        }
        return step;
    }

    const SprSys::AnimFrameStore* m_frames;
};

} // namespace

void CFGHelper::populateAnimSequenceStore(SprSys::AnimSequenceStore* const store,
                                          const std::string& path, const std::string& prefix,
                                          const SprSys::AnimFrameStore* const frameStore) {
    AnimSequenceGettor gettor(frameStore);
    populateByPrefix<SprSys::AnimSequence>(*store, path, prefix, gettor);
}

} // namespace GameHelper
