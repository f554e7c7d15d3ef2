#pragma once

#include "SprSys/AnimFrame.h"

#include <cstdint>
#include <vector>

namespace SprSys {

// One step of an animation sequence: the frames shown together, in the order written, and
// the step's numbers, which the sprite system stores and hands out without reading them.
// The frames belong to a frame store; the step owns only its list.
struct AnimSeqEntry {
    std::vector<const AnimFrame*> frames;
    std::int32_t intParam1 = 0;
    float floatParam1 = 0.0f;
    float floatParam2 = 0.0f;
    float floatParam3 = 0.0f;
    std::int32_t intParam2 = 0;
};

// A sequence's steps in playing order.
using AnimSequence = std::vector<AnimSeqEntry>;

} // namespace SprSys
