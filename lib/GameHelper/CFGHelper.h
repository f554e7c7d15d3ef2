#pragma once

#include "Fluid/MPM/Liquid.h"

#include <string>

namespace SprSys {
class AnimFrameStore;
class AnimSeqMappingStores;
class AnimSequenceStore;
} // namespace SprSys

namespace GameHelper {

// Fills engine objects from configuration. The animation loaders read definition files in the
// configuration language: every key of the file that begins with the prefix (byte-wise; an
// empty prefix takes every key) becomes one object, named by the whole key, in byte order of
// the keys; a non-empty override of a key wins over the file. A name the store already holds
// keeps its object. A malformed value ends the program with the abort report; a number that
// is not one throws the conversion error, leaving the objects of earlier keys in the store.
// The liquid's properties are defined in the GameHelperLiquid library, so that the loaders do
// not bring the liquid simulator with them.
class CFGHelper {
public:
    CFGHelper() = delete;

    // Frames from values of 1 to 7 comma-separated pieces: frame index, offset x, offset y,
    // orientation word (N, H, V or HV), angle, scale x, scale y.
    static void populateAnimFrameStore(SprSys::AnimFrameStore* store, const std::string& path,
                                       const std::string& prefix);
    // Sequences of steps separated by ",", each of 2, 5 or 6 fields separated by ":": frame
    // names separated by spaces (looked up in frameStore, which must outlive the sequences),
    // intParam1, then floatParam1 to floatParam3, then intParam2. A blank value stores a
    // sequence without steps.
    static void populateAnimSequenceStore(SprSys::AnimSequenceStore* store, const std::string& path,
                                          const std::string& prefix,
                                          const SprSys::AnimFrameStore* frameStore);
    // Map stores over the sequence store, from entries separated by ",", each "from => to" or
    // "from : key => to"; without a key the mapping is the from-sequence's default, key -1.
    // Both names must be sequences of the store.
    static void populateAnimSeqMappingStores(SprSys::AnimSeqMappingStores* stores,
                                             const std::string& path, const std::string& prefix,
                                             SprSys::AnimSequenceStore* sequences);

    // Sets each property of the liquid whose key in the process-wide configuration, the
    // prefix, "_" and the property's name, holds text; the liquid holds each number to its
    // property's range. Text that does not begin with a number throws the conversion error,
    // leaving the properties of lower ids set.
    static void setLiquidProperties(const std::string& prefix, Fluid::MPM::Liquid* liquid,
                                    const Fluid::MPM::Liquid::Handle& handle);
};

} // namespace GameHelper
