#pragma once

#include "Tween/Easer.h"

#include <string>

namespace GameHelper {

// Finds an easer by the name configuration gives it: "inBack", "outBack", "inOutBack", ...
// "inOutSine", the object's own name. The out-then-in easers have no name here.
class EaserStore {
public:
    EaserStore() = delete;

    // The process-wide easer of that exact name (case-sensitive, untrimmed), or null.
    static const Tween::Easer* get(const std::string& name);
};

} // namespace GameHelper
