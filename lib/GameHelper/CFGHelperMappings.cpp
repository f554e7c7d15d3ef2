#include "GameHelper/CFGHelper.h"

#include "CFG/InfoParser.h"
#include "GameHelper/Pieces.h"
#include "GameHelper/PrefixLoader.h"
#include "SprSys/AnimSeqMappingStores.h"
#include "SprSys/AnimSequenceStore.h"
#include "Util/Abort.h"
#include "Util/StrToNum.h"

#include <memory>
#include <string>
#include <vector>

namespace GameHelper {

namespace {

// Reads a map store from its text: entries separated by ",", each "from => to" where from is
// a sequence name with an optional ":" and mapping key (-1 when none is given). Both names
// must be sequences of the sequence store.
class AnimSeqMapStoreGettor : public CFG::InfoParser::ObjGettor<SprSys::AnimSeqMapStore*> {
public:
    explicit AnimSeqMapStoreGettor(const SprSys::AnimSequenceStore* const sequences)
        : m_sequences(sequences) {}

    // A new map store owned by the caller; a later entry for the same sequence and key
    // replaces an earlier one.
    SprSys::AnimSeqMapStore* operator()(const std::string& text) override {
        auto store = std::make_unique<SprSys::AnimSeqMapStore>(m_sequences);
        for (const std::string& entry : piecesOf(text, ",")) {
            const std::vector<std::string> fields = piecesOf(entry, "=>");
            // A from part of nothing but ':' and blanks names no sequence either.
            const std::vector<std::string> from =
                fields.empty() ? fields : piecesOf(fields[0], ":");
            if (fields.size() < 2 || from.empty()) {
                UTIL_ABORT(
                    "Expected <seqFrom> => <seqTo> fields for AnimSeqMapping entry: " << entry);
            }
            // The key is read before either name is looked up.
            const int key = from.size() >= 2 ? Util::strToNum<int>(from[1], 10) : -1;
            for (const std::string* const name : {&from[0], &fields[1]}) {
                if (!m_sequences->exists(*name)) {
                    UTIL_ABORT("Sequence (" << *name
                                            << ") not found for AnimSeqMapping: " << entry);
                }
            }
            store->add(from[0], key, m_sequences->get(fields[1]));
        }
        return store.release();
    }

private:
    const SprSys::AnimSequenceStore* m_sequences;
};

} // namespace

void CFGHelper::populateAnimSeqMappingStores(SprSys::AnimSeqMappingStores* const stores,
                                             const std::string& path, const std::string& prefix,
                                             SprSys::AnimSequenceStore* const sequences) {
    AnimSeqMapStoreGettor gettor(sequences);
    populateByPrefix<SprSys::AnimSeqMapStore>(*stores, path, prefix, gettor);
}

} // namespace GameHelper
