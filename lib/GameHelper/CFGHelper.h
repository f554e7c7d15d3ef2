#pragma once

#include <string>

namespace SprSys {
class AnimFrameStore;
} // namespace SprSys

namespace GameHelper {

// Fills the sprite system's stores from definition files in the configuration language. Every
// key of the file that begins with the prefix (byte-wise; an empty prefix takes every key)
// becomes one object, named by the whole key, in byte order of the keys; a non-empty override
// of a key wins over the file. A name the store already holds keeps its object. A malformed
// value ends the program with the abort report; a number that is not one throws the
// conversion error, leaving the objects of earlier keys in the store.
class CFGHelper {
public:
    CFGHelper() = delete;

    // Frames from values of 1 to 7 comma-separated pieces: frame index, offset x, offset y,
    // orientation word (N, H, V or HV), angle, scale x, scale y.
    static void populateAnimFrameStore(SprSys::AnimFrameStore* store, const std::string& path,
                                       const std::string& prefix);
};

} // namespace GameHelper
